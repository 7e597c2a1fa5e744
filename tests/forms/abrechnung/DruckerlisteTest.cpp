#include <gtest/gtest.h>

#include "abrechnung/Druckerliste.h"

namespace lx {
namespace {

struct FakeKatalog : DruckerKatalog {
    std::vector<std::string> namen;
    std::string standard;
    std::vector<std::string> drucker() const override { return namen; }
    std::string standardDrucker() const override { return standard; }
};

TEST(DruckerListe, PrintersThenPdf)
{
    struct Fall {
        std::vector<std::string> namen;
        std::string standard;
        std::vector<std::string> eintraege;
        int gewaehlt;
        std::string text;
    };
    for (const Fall& f : std::vector<Fall>{
             {{}, "", {"PDF-Datei"}, 0, "PDF-Datei"},
             {{"Büro"}, "Keller", {"Büro", "PDF-Datei"}, 0, "Büro"},
             {{"Büro", "Keller"}, "Keller", {"Büro", "Keller", "PDF-Datei"}, 1, "Keller"},
             {{"Büro", "Keller"}, "", {"Büro", "Keller", "PDF-Datei"}, 0, "Büro"},
         }) {
        FakeKatalog k;
        k.namen = f.namen;
        k.standard = f.standard;
        DruckerAuswahl a = DruckerListe(k);
        EXPECT_EQ(a.eintraege, f.eintraege);
        EXPECT_EQ(a.gewaehlt, f.gewaehlt);
        EXPECT_EQ(a.text, f.text);
    }
}

}  // namespace
}  // namespace lx
