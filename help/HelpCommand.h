#pragma once
// The application's help command and its one replaceable help handler: every
// help request of the program (F1, the "Hilfe" buttons) goes through
// ApplicationHelpCommand to whatever handler is installed, as the help hook
// expects of the window toolkit.

#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace lx {

// The toolkit's help command numbers.
enum HelpCommandNr : quint16 {
    HELP_CONTEXT = 1,
    HELP_QUIT = 2,
    HELP_CONTENTS = 3,
    HELP_HELPONHELP = 4,
    HELP_SETCONTENTS = 5,
    HELP_CONTEXTPOPUP = 8,
    HELP_FORCEFILE = 9,
    HELP_CONTEXTMENU = 10,
    HELP_FINDER = 11,
    HELP_WM_HELP = 12,
    HELP_SETPOPUP_POS = 13,
    HELP_KEY = 257,
    HELP_COMMAND = 258,
    HELP_PARTIALKEY = 261,
    HELP_MULTIKEY = 513,
    HELP_SETWINPOS = 515,
};

// A request's data: a number (context, packed position) or a text (keyword).
struct HelpData {
    qint64 number = 0;
    QString text;
};

// Returns the handler's result; sets callHelp when the toolkit should go on
// with its own help handling (it has none here, so such requests end).
using HelpHandler = std::function<bool(quint16 command, const HelpData& data, bool& callHelp)>;

// Installs `handler` (empty: none) and returns the one it replaces.
HelpHandler SetHelpHandler(HelpHandler handler);

// Hands a request to the installed handler. Returns its CallHelp: true when
// no handler took the request.
bool ApplicationHelpCommand(quint16 command, const HelpData& data = {});

// A widget's help context, 0 for none. Kept as a dynamic property so that any
// widget, generated from a control table or not, can carry one.
inline constexpr const char* kHelpContextProperty = "HelpContext";
void SetHelpContext(QWidget* widget, int context);
int HelpContextOf(const QWidget* widget);

}  // namespace lx
