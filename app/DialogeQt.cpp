#include "DialogeQt.h"

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QMessageBox>

#include "UnitOpt.h"
#include "gemeinsam/Version.h"

namespace lx {

namespace {

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString titel()
{
    return QString::fromUtf8(kAppTitle);
}

std::size_t nummer(Fenster f)
{
    return static_cast<std::size_t>(f);
}

}  // namespace

QString qtFilter(std::string_view filter)
{
    const QStringList teile = q(filter).split(u'|');
    QStringList filter2;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        filter2.append(teile[i] + QStringLiteral(" (") + QString(teile[i + 1]).replace(u';', u' ') + u')');
    }
    return filter2.join(QStringLiteral(";;"));
}

QString meldungsText(std::string_view text)
{
    QString t = q(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

void DialogeQt::anmelden(Fenster fenster, QWidget* w)
{
    fenster_[nummer(fenster)] = w;
}

void DialogeQt::anmeldenOptionen(TFrmOpt* w)
{
    anmelden(Fenster::Optionen, w);
    optionen_ = w;
}

QWidget* DialogeQt::eltern() const
{
    if (QWidget* aktiv = QApplication::activeWindow()) return aktiv;
    return fenster_[nummer(Fenster::Haupt)];
}

int DialogeQt::zeigeBox(QMessageBox::Icon icon, std::string_view text, QMessageBox::StandardButtons knoepfe)
{
    if (vorMeldung_) vorMeldung_();
    QMessageBox box(icon, titel(), meldungsText(text), knoepfe, eltern());
    box.setTextFormat(Qt::PlainText);
    if (knoepfe.testFlag(QMessageBox::Yes)) box.setDefaultButton(QMessageBox::Yes);
    return box.exec();
}

void DialogeQt::Information(std::string_view text)
{
    zeigeBox(QMessageBox::Information, text, QMessageBox::Ok);
}

void DialogeQt::Warnung(std::string_view text)
{
    zeigeBox(QMessageBox::Warning, text, QMessageBox::Ok);
}

void DialogeQt::Fehler(std::string_view text)
{
    zeigeBox(QMessageBox::Critical, text, QMessageBox::Ok);
}

bool DialogeQt::JaNein(std::string_view text)
{
    return zeigeBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> DialogeQt::datei(const DateiAuswahl& auswahl, bool speichern)
{
    QFileDialog dialog(eltern(), q(auswahl.titel), q(auswahl.ordner), qtFilter(auswahl.filter));
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The object, not the static helper: only the object adds the default suffix.
    if (!auswahl.endung.empty()) dialog.setDefaultSuffix(q(auswahl.endung));
    if (!auswahl.dateiname.empty()) dialog.selectFile(q(auswahl.dateiname));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> DialogeQt::DateiOeffnen(const DateiAuswahl& auswahl)
{
    return datei(auswahl, false);
}

std::optional<std::string> DialogeQt::DateiSpeichern(const DateiAuswahl& auswahl)
{
    return datei(auswahl, true);
}

std::optional<std::string> DialogeQt::OrdnerWaehlen(std::string_view titelText, std::string_view ordner)
{
    const QString gewaehlt = QFileDialog::getExistingDirectory(eltern(), q(titelText), q(ordner));
    if (gewaehlt.isEmpty()) return std::nullopt;
    return gewaehlt.toStdString();
}

void DialogeQt::Zeigen(Fenster fenster)
{
    QWidget* w = fenster_[nummer(fenster)];
    if (w == nullptr || fenster == Fenster::Haupt) return;
    if (fenster == Fenster::About) {
        if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->exec();
        return;
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void DialogeQt::Verbergen(Fenster fenster)
{
    QWidget* w = fenster_[nummer(fenster)];
    if (w == nullptr) return;
    if (fenster == Fenster::Haupt) {
        w->close();
    } else {
        w->hide();
    }
}

void DialogeQt::OptionenZeigen(int seite, std::string_view fokus)
{
    if (!optionen_.isNull()) optionen_->ZeigeSeite(seite, q(fokus));
}

void DialogeQt::Fokus(Fenster fenster, std::string_view steuerelement)
{
    QWidget* w = fenster_[nummer(fenster)];
    if (w == nullptr) return;
    if (auto* ziel = w->findChild<QWidget*>(q(steuerelement))) ziel->setFocus(Qt::OtherFocusReason);
}

void DialogeQt::Hilfe(int kontext)
{
    if (hilfe_) hilfe_(kontext);
}

Datum SystemUhr::heute() const
{
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

}  // namespace lx
