#pragma once
// Start-up: splash, main window, language, and the end of the program.

class QApplication;

namespace kovolo {

int runProgram(QApplication& app);

} // namespace kovolo
