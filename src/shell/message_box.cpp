#include "shell/message_box.h"

#include <QMessageBox>

namespace {

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QStringLiteral("Tavo Website Builder"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace

void ShowInformationMessage(QWidget* parent, const QString& text) {
    showMessage(parent, QMessageBox::Information, text);
}

void ShowErrorMessage(QWidget* parent, const QString& text) {
    showMessage(parent, QMessageBox::Critical, text);
}
