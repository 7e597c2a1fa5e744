# Which folder of forms/ uses which. The folders stand in layers, the lowest
# first; a file includes the headers of its own folder and of the folders
# below it, and the program state ProgrammZustand.h above them all, which
# holds every window's controls (so any handler may read and write any
# window's state: the includes show whose logic a file uses).
set(LX_FORMS_ORDNERFOLGE gemeinsam info erfassung stammdaten optionen abrechnung hauptfenster berechnung)

# The includes that reach up, each with the reason: the handlers of two
# windows call each other there, so every cycle between folders runs through
# one of these. The check (tests/forms) fails on any other include up and on
# an entry here that no file makes any more.
set(LX_FORMS_AUFWAERTS
    # Loading a record resets the calculation first and sets the main
    # window's fields through their change handlers, as typing would; "Neu"
    # on the records page starts a new calculation.
    "stammdaten/Stammdaten.cpp -> hauptfenster/Hauptfenster.h"
    "stammdaten/Stammdaten.cpp -> hauptfenster/NeueAbrechnung.h"
    "stammdaten/OptionenStammdaten.cpp -> hauptfenster/Hauptfenster.h"
    # A loaded record shows its partial-retirement switch.
    "stammdaten/Stammdaten.cpp -> optionen/OptionenListen.h"
    # The options dialog's month, year and pension-benefit mode are the main
    # window's: changing them there runs the main window's handlers.
    "optionen/OptionenDialog.cpp -> hauptfenster/Hauptfenster.h"
    # The entry dialog's part-time and partial-month switches and its changed
    # rows update the options' part-time and partial-month pages.
    "erfassung/Erfassung.cpp -> optionen/TeilmonatTeilzeit.h"
    # Opening a saved payslip sets the tax allowance as if typed.
    "abrechnung/Detailausgabe.cpp -> hauptfenster/Hauptfenster.h")
