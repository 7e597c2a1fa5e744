#include "RecordKeys.h"

#include <array>

#include "Optionen.h"

namespace lx {

namespace {

using K = RecordValueKind;

constexpr RecordKey kKeys[] = {
    {.section = "HauptForm", .key = "Steuerklasse", .control = "LEdiStKl", .fallback = "1"},
    {.section = "HauptForm", .key = "Faktor", .control = "LEdiFaktor", .fallback = "0"},
    {.section = "HauptForm", .key = "Steuerfreibetrag", .control = "LEdiStFB", .fallback = "0,0"},
    {.section = "HauptForm",
     .key = "Kirchensteuer",
     .control = "ComboKiJaNein",
     .fallback = kKonfessionListe.front().text},
    {.section = "HauptForm", .key = "Beitragsgruppe", .control = "LxEdiBGR", .fallback = "1111"},
    {.section = "HauptForm", .key = "KVSatz", .control = "MEdiKV", .fallback = "14,60%"},
    {.section = "HauptForm", .key = "KVZusatzbeitrag", .control = "MEdiKVZus", .fallback = "+ 1,70%"},
    {.section = "HauptForm", .key = "PVerhöht", .control = "ComboPVerh", .fallback = "ja"},
    {.section = "HauptForm", .key = "Geburtsjahr", .control = "LEdiGebJahr", .fallback = "1990"},
    {.section = "HauptForm", .key = "Zusatzversicherung", .control = "ComboZV", .fallback = "keine"},

    {.section = "OptLSt", .key = "Steuertabelle", .control = "LSTComboStTab", .fallback = "Allgemeine Steuertabelle"},
    {.section = "OptLSt", .key = "Steuertage", .control = "LSTVEdiStTage", .fallback = "30"},
    {.section = "OptLSt", .key = "StFBJahr", .control = "LSTVEdiFBJahr", .fallback = "0,00"},
    {.section = "OptLSt", .key = "StFBJahrAuto", .control = "LSTChkFBJahr", .fallback = "1", .kind = K::CheckBox},
    {.section = "OptLSt", .key = "KiStBundesland", .control = "LSTComboBundesland", .fallback = "Nordrhein-Westfalen"},
    {.section = "OptLSt",
     .key = "Kammerbeitrag",
     .control = "LSTComboKammerbeitrag",
     .fallback = "automatisch berechnen"},
    {.section = "OptLSt", .key = "PStKiStErmäßigt", .control = "LSTComboErmKiSt", .fallback = "ja"},
    {.section = "OptLSt", .key = "PkvPpvGrundversorgung", .control = "LSTVEdiPKV", .fallback = "0,00"},
    {.section = "OptLSt", .key = "PKVwieSV", .control = "LSTChkPKV", .fallback = "1", .kind = K::CheckBox},

    {.section = "OptSV", .key = "Rechtskreis", .control = "SVComboRechtskreis", .fallback = "West"},
    {.section = "OptSV", .key = "SVTage", .control = "SVVEdiSVTage", .fallback = "30"},
    {.section = "OptSV", .key = "KVBesonderheiten", .control = "SVComboKVBez", .fallback = kKeineBesonderheiten},
    {.section = "OptSV", .key = "RVBesonderheiten", .control = "SVComboRVBez", .fallback = kKeineBesonderheiten},
    {.section = "OptSV", .key = "AVBesonderheiten", .control = "SVComboAVBez", .fallback = kKeineBesonderheiten},
    {.section = "OptSV", .key = "PVBesonderheiten", .control = "SVComboPVBez", .fallback = kKeineBesonderheiten},
    {.section = "OptSV", .key = "PVSachsen", .control = "ComboSachsen", .fallback = "nein"},
    {.section = "OptSV", .key = "PVKinder", .control = "SVComboPVKi", .fallback = "0 Kinder"},
    {.section = "OptSV", .key = "PKVBeitrag", .control = "LEdiPKV", .fallback = "350,00"},
    {.section = "OptSV", .key = "PPVBeitrag", .control = "LEdiPPV", .fallback = "50,00"},
    {.section = "OptSV", .key = "Gleitzone", .control = "SVComboGleitzone", .fallback = "Gleitzone rechnen"},
    {.section = "OptSV", .key = "FrwPkvBerechnung", .control = "SVComboFrWPKV", .fallback = "normale Berechnung"},
    {.section = "OptSV", .key = "Umlage", .control = "SVComboUmlage", .fallback = "Umlage 2 rechnen"},
    {.section = "OptSV", .key = "U1Satz", .control = "SVVEdiU1Satz", .fallback = "1,5"},
    {.section = "OptSV", .key = "U2Satz", .control = "SVVEdiU2Satz", .fallback = "0,2"},
    {.section = "OptSV", .key = "Krankenkasse", .control = "SVLabEdiKKasse", .fallback = ""},

    {.section = "OptZV", .key = "Zusatzversicherung", .control = "ZVComboArt", .fallback = "keine"},
    {.section = "OptZV", .key = "ZVindivName", .control = "ZVEdiNameIndZV", .fallback = "ind.ZV"},
    {.section = "OptZV", .key = "Zusatzumlage", .control = "ZVComboZusUml", .fallback = "nein"},
    {.section = "OptZV", .key = "AGAProzent", .control = "ZVVEdiPAGA", .fallback = "0,00"},
    {.section = "OptZV", .key = "ANAProzent", .control = "ZVVEdiPANA", .fallback = "0,00"},
    {.section = "OptZV", .key = "SanUmlageProzent", .control = "ZVVEdiSanGeld", .fallback = "1"},
    {.section = "OptZV", .key = "Steuerfreiheit", .control = "ZVComboStFrei", .fallback = "3 Prozent der RV-BBG"},
    {.section = "OptZV", .key = "StFreiheit56", .control = "ZVVEdiMax56", .fallback = "0,00"},
    {.section = "OptZV", .key = "PauschalBis", .control = "ZVVEdiPSt", .fallback = "146,00"},
    {.section = "OptZV", .key = "hochrechnen", .control = "ZVComboHochr", .fallback = "nein"},

    {.section = "OptAV", .key = "AVArt", .control = "AVCombo1Art", .fallback = kBAVArtListe.front().text},
    {.section = "OptAV", .key = "AVAGA", .control = "AVVEdiAG1", .fallback = "0,00"},
    {.section = "OptAV", .key = "AVANA", .control = "AVVEdiAN1", .fallback = "0,00"},
    {.section = "OptAV",
     .key = "Steuerfreiheit",
     .control = "AVCombo1StFrei",
     .fallback = kBAVStFreiListe.front().text},
    {.section = "OptAV", .key = "ZusSteuerfrei", .control = "AVCombo1ZStFrei", .fallback = "nichts zusätzlich"},
    {.section = "OptAV", .key = "Pauschalierung", .control = "AVVEdi1Pst", .fallback = "1752,00"},
    {.section = "OptAV", .key = "SteuerAnsatz", .control = "AVCombo1AnsatzSt", .fallback = "monatlich"},

    {.section = "OptEBZ", .key = "KVBruttoVor", .control = "EBVEdiKVBrVor", .fallback = "0,00"},
    {.section = "OptEBZ", .key = "RVBruttoVor", .control = "EBVEdiRVBrVor", .fallback = "0,00"},
    {.section = "OptEBZ", .key = "SVVorAuto", .control = "EBChkSVAuto", .fallback = "1", .kind = K::CheckBox},
    {.section = "OptEBZ", .key = "TageBisVormonat", .control = "EBVEdiTgVor", .fallback = "1"},
    {.section = "OptEBZ", .key = "SteuerJahreseinkommen", .control = "EBVEdiStJahr", .fallback = "0,00"},
    {.section = "OptEBZ", .key = "VBJahreseinkommen", .control = "EBVEdiVBJahr", .fallback = "0,00"},
    {.section = "OptEBZ", .key = "EBZSteuerAuto", .control = "EBChkStAuto", .fallback = "1", .kind = K::CheckBox},

    {.section = "OptVB", .key = "StartJahr", .control = "VBVEdiJahr", .fallback = "2005"},
    {.section = "OptVB", .key = "ErsterVB", .control = "VBVEdiErsterVers", .fallback = "0,00"},
    {.section = "OptVB", .key = "ErsterVBEBZ", .control = "VBVEdiEB", .fallback = "0,00"},
    {.section = "OptVB", .key = "Monate", .control = "VBVEdiMonate", .fallback = "12"},
    {.section = "OptVB",
     .key = "Sozialversicherung",
     .control = "SVComboVB",
     .fallback = "keine KV- und PV-Beiträge berechnen"},
    {.section = "OptVB", .key = "VBMax", .control = "SVVEdiVBMax", .fallback = "0,00"},

    {.section = "OptATZ", .key = "JaNein", .control = "ATZComboJaNein", .fallback = "nein"},
    {.section = "OptATZ", .key = "NeuAufstockungProz", .control = "ATZLxVEdiAufst", .fallback = "20"},
    {.section = "OptATZ", .key = "NeuAufstockungRV", .control = "ATZneuAufstRV", .fallback = "80"},
    {.section = "OptATZ", .key = "RegEntgeltManuell", .control = "ATZmanReg", .fallback = "0,00"},

    {.section = "OptPfd", .key = "Rechnen", .control = "PfdComboJaNein", .fallback = "nein"},
    {.section = "OptPfd", .key = "Methode", .control = "PfdComboMethode", .fallback = "Nettomethode"},
    {.section = "OptPfd", .key = "Personen", .control = "PfdVEdiUntPers", .fallback = "0"},
    {.section = "OptPfd", .key = "VerbleibNetto", .control = "PfdVEdiVerbleib", .fallback = "0,00"},
    {.section = "OptPfd", .key = "AVberücksichtigen", .control = "PfdComboEntUmw", .fallback = "nein"},

    {.section = "OptMfb", .key = "JaNein", .control = "MfBComboJaNein", .fallback = "nein"},
    {.section = "OptMfb", .key = "BruttoAndVerhältnis", .control = "MfBVEdiBrutAnd", .fallback = "0,00"},

    {.section = "OptTA", .key = "JaNein", .control = "TBComboJaNein", .fallback = "nein"},
    {.section = "OptTA", .key = "BeschäftigtVon", .control = "TBVEdiVon", .fallback = "1"},
    {.section = "OptTA", .key = "BeschäftigtBis", .control = "TBVEdiBis", .fallback = "", .kind = K::DaysInMonth},
    {.section = "OptTA", .key = "UB1Von", .control = "TBVEdiUB1Von", .fallback = "0"},
    {.section = "OptTA", .key = "UB1Bis", .control = "TBVEdiUB1Bis", .fallback = "0"},
    {.section = "OptTA", .key = "UB1Grund", .control = "TBLEdiGrund1", .fallback = ""},
    {.section = "OptTA", .key = "UB2Von", .control = "TBVEdiUB2Von", .fallback = "0"},
    {.section = "OptTA", .key = "UB2Bis", .control = "TBVEdiUB2Bis", .fallback = "0"},
    {.section = "OptTA", .key = "UB2Grund", .control = "TBLEdiGrund2", .fallback = ""},
    {.section = "OptTA",
     .key = "Regel",
     .control = "TBComboRegel",
     .fallback = "Abwesenheitsregel ((30 - tats. Kal.-Tage + zu bez. Kal.-Tage) : 30 Tage)"},

    {.section = "OptTZ", .key = "JaNein", .control = "TZComboJaNein", .fallback = "nein"},
    {.section = "OptTZ", .key = "TZWoStd", .control = "TZVEdiWoStd", .fallback = "20"},
    {.section = "OptTZ", .key = "VZWoStd", .control = "TZVEdiWoVZ", .fallback = "37"},

    // The payslip window's print name.
    {.section = "DetailAbr", .key = "Name", .control = "LEdiDruckName", .fallback = ""},
};

}  // namespace

std::span<const RecordKey> recordKeys()
{
    return kKeys;
}

const RecordKey* findRecordKey(std::string_view control)
{
    for (const RecordKey& k : kKeys) {
        if (k.control == control) return &k;
    }
    return nullptr;
}

}  // namespace lx
