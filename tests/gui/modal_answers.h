#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Answers the window's modal boxes while a test runs: every message box is recorded
// ("information: ..." or "error: ...") and closed with OK; the password prompt is given
// password and accepted.
class ModalAnswers {
public:
    explicit ModalAnswers(QString password = {}) : password(std::move(password)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    QString password;
    QStringList messages;
    int passwordPrompts = 0;

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const bool error = box->icon() == QMessageBox::Critical;
            messages << (error ? QStringLiteral("error: ") : QStringLiteral("information: ")) +
                            box->text();
            box->accept();
        } else if (auto* prompt = qobject_cast<QInputDialog*>(modal)) {
            ++passwordPrompts;
            prompt->setTextValue(password);
            prompt->accept();
        }
    }

    QTimer timer_;
};
