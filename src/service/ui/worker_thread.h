#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

// Runs work on a worker thread of its own and hands its result to done on the GUI thread
// (through receiver's event loop) once the thread has finished. done is skipped when
// receiver is gone by then. The window keeps the user from starting a second one meanwhile.
template <typename T>
void RunOnWorkerThread(QObject* receiver, std::function<T()> work,
                       std::function<void(const T&)> done) {
    auto result = std::make_shared<T>();
    QThread* thread = QThread::create([result, work = std::move(work)] { *result = work(); });
    QObject::connect(
        thread, &QThread::finished, receiver, [result, done = std::move(done)] { done(*result); },
        Qt::QueuedConnection);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
