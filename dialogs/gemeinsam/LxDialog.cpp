#include "LxDialog.h"

#include "Bildschirm.h"

namespace lx {

TLxDialog::TLxDialog(ProgrammZustand& zustand, Anzeige& anzeige, const char* name, const char* caption, int hilfe,
                     int breite, int hoehe)
    : QDialog(nullptr), p(zustand), bindungen(this, anzeige)
{
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(QString::fromUtf8(caption));
    setzeHilfe(this, hilfe);
    resize(breite, hoehe);
    anzeige.anmelden(this, [this] { aktualisieren(); });
}

void TLxDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    einpassen(*this);
}

}  // namespace lx
