#pragma once

#include "app/program_window.h"

#include <QString>

#include <vector>

// A program window as the main window sees one: fixed size, with an objectName; every
// close is written into a shared log.
class FakeProgramWindow : public kelvra::ProgramWindow {
    Q_OBJECT
public:
    FakeProgramWindow(const QString& name, std::vector<QString>& closeLog);

protected:
    void Form_Unload() override;

private:
    std::vector<QString>& m_closeLog;
};
