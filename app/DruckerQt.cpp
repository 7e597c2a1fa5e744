#include "DruckerQt.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <map>

namespace lx {

namespace {

QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont druckSchrift(int punkt)
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(punkt);
    return f;
}

}  // namespace

std::vector<std::string> QtDruckerKatalog::drucker() const
{
    std::vector<std::string> namen;
    for (const QString& n : QPrinterInfo::availablePrinterNames()) namen.push_back(n.toStdString());
    return namen;
}

std::string QtDruckerKatalog::standardDrucker() const
{
    return QPrinterInfo::defaultPrinterName().toStdString();
}

std::optional<std::string> QtDruckGeraet::drucken(const std::vector<DruckZeile>& auftrag, const DruckZiel& ziel)
{
    seiten_ = 0;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Abrechnung"));
    std::string nichtGeoeffnet;
    if (ziel.pdfDatei) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(q(*ziel.pdfDatei));
        nichtGeoeffnet = "Die PDF-Datei " + *ziel.pdfDatei + " kann nicht geschrieben werden.";
    } else {
        nichtGeoeffnet = "Der Drucker " + ziel.drucker + " kann nicht geöffnet werden.";
        // An unknown name would otherwise fall back to another printer or to a file.
        if (QPrinterInfo::printerInfo(q(ziel.drucker)).isNull()) return nichtGeoeffnet;
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(q(ziel.drucker));
        if (printer.printerName() != q(ziel.drucker) || !printer.isValid()) return nichtGeoeffnet;
    }

    // Line heights at the printer's resolution, one per size used.
    std::map<int, int> hoehen;
    std::map<int, int> oberlaengen;
    for (const DruckZeile& z : auftrag) {
        if (hoehen.count(z.punkt)) continue;
        QFontMetrics m(druckSchrift(z.punkt), &printer);
        hoehen[z.punkt] = m.lineSpacing();
        oberlaengen[z.punkt] = m.ascent();
    }
    const int seitenHoehe = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const auto seiten = DruckLayout(
        auftrag, [&](int punkt) { return hoehen.at(punkt); }, seitenHoehe);

    QPainter painter;
    if (!painter.begin(&printer)) return nichtGeoeffnet;
    for (std::size_t s = 0; s < seiten.size(); ++s) {
        if (s > 0 && !printer.newPage()) {
            painter.end();
            return nichtGeoeffnet;
        }
        for (const DruckPlatz& p : seiten[s]) {
            const DruckZeile& z = auftrag[p.zeile];
            if (z.text.empty()) continue;
            painter.setFont(druckSchrift(z.punkt));
            painter.drawText(QPoint(0, p.oben + oberlaengen.at(z.punkt)), q(z.text));
        }
    }
    if (!painter.end()) return nichtGeoeffnet;
    seiten_ = seiten.size();
    return std::nullopt;
}

}  // namespace lx
