#pragma once
// The options dialog: every calculation option on twelve pages. Each page is
// laid out from its part of the control table; its state and handlers are in
// forms/optionen/ (OptionenZustand.h, OptionenDialog.h).

#include <QString>

#include "LxDialog.h"

class QFormLayout;
class QListWidget;
class QTabWidget;

class TFrmOpt : public lx::TLxDialog {
    Q_OBJECT
public:
    TFrmOpt(lx::ProgrammZustand& p, lx::Anzeige& anzeige);

    // Shows the dialog on page `seite` with the focus on the control named
    // `fokus` (none when empty or unknown).
    void ZeigeSeite(int seite, const QString& fokus);
    void aktualisieren() override;

    // The pages; their names stand in the list beside them, which chooses the
    // page shown (twelve tabs would not fit side by side).
    QTabWidget* PageCtrl = nullptr;
    QListWidget* LiBoSeiten = nullptr;

protected:
    // The widget of page `seite` (0 to 11).
    QWidget* Seite(int seite) const;
    // A form of label and field rows on `parent`.
    static QFormLayout* Formular(QWidget* parent);
    // The control `id` as a row of `form` (with its caption label, where it
    // has one), bound to its state and its handlers.
    QWidget* Zeile(QFormLayout* form, lx::Opt id, lx::Bindungen::Handler beiAenderung = {},
                   lx::Bindungen::Handler beiVerlassen = {});
    // A field whose caption is a control of its own (`label`), as one row.
    QWidget* Zeile(QFormLayout* form, lx::Opt label, lx::Opt id, lx::Bindungen::Handler beiAenderung = {});

private:
    void BaueLohnsteuer();
    void BaueSozialversicherung();
    void BaueZusatzversicherung();
    void BaueAltersversorgung();
    void BaueEinmalbezuege();
    void BaueVersorgungsbezuege();
    void BaueMehrfachbeschaeftigung();
    QWidget* Knopfleiste();
};
