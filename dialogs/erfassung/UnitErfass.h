#pragma once
// The pay-item entry dialog: the pay items of the month and their nine gross
// totals. Its state and handlers are in forms/erfassung/ (ErfassZustand,
// Erfassung); the window only shows them and passes on keys and clicks.

#include "LxDialog.h"

class QTreeWidget;

class TFrmErfass : public lx::TLxDialog {
    Q_OBJECT
public:
    TFrmErfass(lx::ProgrammZustand& p, lx::Anzeige& anzeige);

    void aktualisieren() override;

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidget* LView = nullptr;
};
