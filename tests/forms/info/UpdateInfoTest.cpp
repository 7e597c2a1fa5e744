#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "info/UpdateInfo.h"

namespace {

constexpr const char* kKeinUpdate = "Aktuell ist kein Update verfügber";

std::string Datei(const std::string& name)
{
    std::ifstream in(std::string(LX_TEST_DATA_DIR) + "/update/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Fall {
    const char* name;
    std::string body;
    std::string erwartet;
};

TEST(LeseUpdateInfo, Texts)
{
    const Fall faelle[] = {
        {"own version on line 2", "Kopf\nRiVodozazavudidavaz 1.1.1.1\n", kKeinUpdate},
        {"other version", "Kopf\nRiVodozazavudidavaz 1.1.2.0\n",
         "Im Internet liegt ein Update auf Version 1.1.2.0 vor"},
        {"match on line 1 only", "RiVodozazavudidavaz 1.1.2.0\n", lx::kUpdateFehler},
        {"the later of two decides", "Kopf\nRiVodozazavudidavaz 1.1.2.0\nRiVodozazavudidavaz 1.1.1.1\n", kKeinUpdate},
        {"the later of two decides (update)", "Kopf\nRiVodozazavudidavaz 1.1.1.1\nRiVodozazavudidavaz 2.0.0.0",
         "Im Internet liegt ein Update auf Version 2.0.0.0 vor"},
        {"empty", "", lx::kUpdateFehler},
        {"no match", "Kopf\nneue Version 1.1.2.0\n", lx::kUpdateFehler},
        {"name without a version", "Kopf\nRiVodozazavudidavaz\n", lx::kUpdateFehler},
        // The name need not start the line: the first 20 characters go whatever they are.
        {"name inside the line", "Kopf\nxRiVodozazavudidavaz1.1.2.0\n",
         "Im Internet liegt ein Update auf Version 1.1.2.0 vor"},
        {"trailing blank", "Kopf\nRiVodozazavudidavaz 1.1.1.1 \n", kKeinUpdate},
        {"trailing tab and CR", "Kopf\r\nRiVodozazavudidavaz 1.1.1.1\t\r\n", kKeinUpdate},
        {"CRLF file", Datei("crlf-update.txt"), "Im Internet liegt ein Update auf Version 1.1.2.0 vor"},
        {"CR file", Datei("cr-aktuell.txt"), kKeinUpdate},
        {"LF file", Datei("lf-aktuell.txt"), kKeinUpdate},
    };
    for (const Fall& f : faelle) EXPECT_EQ(lx::LeseUpdateInfo(f.body, "1.1.1.1"), f.erwartet) << f.name;
}

std::string MitTrefferAufZeile(std::size_t zeile, const std::string& eol)
{
    std::string body;
    for (std::size_t i = 1; i < zeile; ++i) body += "Zeile " + std::to_string(i) + eol;
    return body + "RiVodozazavudidavaz 1.1.2.0" + eol;
}

TEST(LeseUpdateInfo, LooksAtLinesTwoTo256)
{
    EXPECT_EQ(lx::LeseUpdateInfo(MitTrefferAufZeile(256, "\r\n"), "1.1.1.1"),
              "Im Internet liegt ein Update auf Version 1.1.2.0 vor");
    EXPECT_EQ(lx::LeseUpdateInfo(MitTrefferAufZeile(257, "\n"), "1.1.1.1"), lx::kUpdateFehler);
    EXPECT_EQ(lx::LeseUpdateInfo(MitTrefferAufZeile(300, "\r"), "1.1.1.1"), lx::kUpdateFehler);
    // An empty line still counts as a line.
    EXPECT_EQ(lx::LeseUpdateInfo("\n\nRiVodozazavudidavaz 1.1.1.1", "1.1.1.1"), kKeinUpdate);
}

}  // namespace
