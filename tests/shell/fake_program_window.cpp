#include "fake_program_window.h"

#include "app/program_host.h"

#include <QCloseEvent>

FakeProgramWindow::FakeProgramWindow(const QString& name, std::vector<QString>& closeLog)
    : m_closeLog(closeLog) {
    setObjectName(name);
    setFixedSize(300, 200);
}

FakeProgramWindow* FakeProgramWindow::makeFor(kelvra::ProgramHost& host, const QString& name,
                                              std::vector<QString>& closeLog) {
    auto* window = new FakeProgramWindow(name, closeLog);
    QObject::connect(window, &FakeProgramWindow::closed, window,
                     [&host] { host.setChooserVisible(true); });
    return window;
}

void FakeProgramWindow::closeEvent(QCloseEvent* event) {
    m_closeLog.push_back(objectName());
    emit closed();
    QWidget::closeEvent(event);
}
