// The body of the desktop program: the units initialise, a second start ends silently, the start
// password is asked, then the main window and the data module are created and the message loop
// runs until the main window closes.
#pragma once

#include <string>
#include <vector>

class QApplication;
class QWidget;

namespace selvane {

class TDModule;
class TfrmUserInput;

// Runs the program; the result is the process's exit status. Understands --home DIR (the
// program folder); the other arguments are kept for ProgramArguments.
int RunProgram(int argc, char** argv);

// The program's font for Korean text (NanumGothic when installed).
void UseProgramFont(QApplication& app);

// Qt's own texts in Korean (the buttons of every message box, the file and folder dialogs, the
// print preview, the web panels' menus): installs Qt's Korean translations (qtbase_ko.qm,
// qtwebengine_ko.qm from qt6-translations-l10n) into app, as its children. False when Qt's base
// translation is not there; Qt then speaks English.
bool UseKoreanQtTexts(QApplication& app);

// The program's icon for its windows (the installed theme's, else the one built in).
void UseProgramIcon(QApplication& app);

// The command-line arguments of the program after the options of RunProgram (the first may be
// TEST).
const std::vector<std::string>& ProgramArguments();
void SetProgramArguments(std::vector<std::string> arguments);

// Before the application object: the browser engine of the web panels wants shared OpenGL
// contexts, and as root it refuses to start unless its sandbox is turned off.
void PrepareWebEngine();

// The start password prompt: caption "비밀번호 확인", label "비밀번호", masked input, empty
// allowed, compared with ReadStartPassword, three attempts. The caller shows it modally and owns
// it.
TfrmUserInput* CreateStartPasswordPrompt(QWidget* parent = nullptr);

// Asks the start password modally; true only when the prompt ends with OK. A stored password
// that cannot be decoded is an error box, and the result is false.
bool PassStartPassword();

// Opens the database of the program folder in the data module. A missing or unreadable file is
// an error box that names it, and the result is false.
bool OpenDataModule(TDModule& dataModule);

}  // namespace selvane
