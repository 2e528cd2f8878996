#include "fake_program_window.h"

FakeProgramWindow::FakeProgramWindow(const QString& name, std::vector<QString>& closeLog)
    : ProgramWindow(name, name, QSize(300, 200), nullptr)
    , m_closeLog(closeLog) {}

void FakeProgramWindow::Form_Unload() {
    m_closeLog.push_back(objectName());
}
