// The main computation of a pay month, in its fixed order: later steps read
// what earlier ones adjusted.

#include <algorithm>

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Gleitzone.h"
#include "LxMath.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

bool mitZusatzversorgung(const std::string& art)
{
    return !art.empty() && art != "keine";
}

}  // namespace

void TLohnGehalt::Berechnen()
{
    // Every computation starts from the inputs as the setters gave them and
    // from empty results, so computing twice gives the same results.
    static_cast<LohnEingaben&>(*this) = gegeben_;
    static_cast<LohnErgebnisse&>(*this) = LohnErgebnisse{};
    stBruttoMonat_ = 0_cur;
    pkpvSteuer_ = 0_cur;

    // Deferred compensation and the scheme's levy are monthly amounts: they
    // change the month's pay before it is divided by the tax days.
    SetBAVGrenze();
    FBAVStLfd = BerechneBAVSteuer();
    FBAVSVLfd = BerechneBAVSV();

    if (mitZusatzversorgung(FZVArt)) {
        Currency deckel = Haelfte(dez(FBBGRV) * 5).toCurrency(Round::HalfUp);
        if (FMonat == 11) deckel = deckel * 2;
        if (FZVBrutto > deckel) FZVBrutto = deckel;
        FZVUmlageSatz = ZVUmlageSatz();
        FZVAG = BerechneZVAG();
        FZVZusatzumlage = BerechneZVZusatzumlage();
        FSanierungsgeld = BerechneSanierungsgeld();
        FZVStPfl = BerechneZVStPfl();
        FZVPauschal = BerechneZVPauschal();
        FZVSVPfl = BerechneZVSVPfl();
        FZVAN = BerechneZVAN();
        FSVBrutto += FZVSVPfl;
        FSVBruttoUngek += FZVSVPfl;
        FStBrutto += FZVStPfl;
    }

    // Partial month: the plan computes a day's tax.
    stBruttoMonat_ = FStBrutto;
    if (FStTage < 30) {
        FLZZ = 4;
        FStBrutto = RundeCentQuotient(dez(FStBrutto), std::max<int>(FStTage, 1));
    }

    FMinijob = IstMinijob(FBGRKV, FBGRRV) ? 1 : 0;
    FVBGrenze = BerechneVBGrenze();
    gleitzoneDesMonats();
    FKVBasis = BerechneKVBasis();
    FRVBasis = BerechneRVBasis();

    // Private premium for the tax, in full: with an employer's subsidy (PKV 2)
    // the plan deducts the typical subsidy itself.
    if (PrivatVersichert(FKVBes)) pkpvSteuer_ = FPKPV;

    if (const auto satz = KVSatzVorgeschrieben(FJahr, FMonat, FBGRKV)) FKVSatz = *satz;

    // Annual values for the one-off payment and multi-year pay, from the month.
    if (FStAuto == 1 && (FStBruttoEB != 0_cur || FStBruttoLMJ != 0_cur)) {
        FStBruttoJahr = stBruttoMonat_ * 12;
        FVBBruttoJahr = FVBBrutto * 12;
    }

    if (FSVBruttoEB != 0_cur) {
        BerechneSVBruttoVor();
        FBBGKVAnteil = BerechneBBGKVAnteil();
        FBBGRVAnteil = BerechneBBGRVAnteil();
        FKVBasisEB = BerechneKVBasisEB();
        FRVBasisEB = BerechneRVBasisEB();
        FKVANEB = BerechneKVANEB();
        FRVANEB = BerechneRVANEB();
        FAVANEB = BerechneAVANEB();
        FPVANEB = BerechnePVANEB();
        FKVAGEB = BerechneKVAGEB();
        FRVAGEB = BerechneRVAGEB();
        FAVAGEB = BerechneAVAGEB();
        FPVAGEB = BerechnePVAGEB();
    }

    BerechneLohnsteuer();
    if (FStTage < 30) {
        for (Currency* steuer : {&FLSt, &FSolZ, &FKiStEv, &FKiStRk}) *steuer = RundeCent(*steuer * FStTage);
    }

    FKVAN = BerechneKVAN();
    FKVAG = BerechneKVAG();
    FRVAN = BerechneRVAN();
    FRVAG = BerechneRVAG();
    FAVAN = BerechneAVAN();
    FAVAG = BerechneAVAG();
    FPVKinderAbschlag = BerechnePVSatzKinder();
    FPVAN = BerechnePVAN();
    FPVAG = BerechnePVAG();
    FU1 = BerechneU1();
    FU2 = BerechneU2();
    FInsolvenz = BerechneInsolvenz();
    gleitzoneMitEinmalzahlung();
    FATZAufstBetrag = BerechneATZAufstockung();
    FATZRVBasis = BerechneATZRVBasis();
    FATZRVBeitrag = BerechneATZRVBeitrag();
    FKammerbeitrag = BerechneKammerbeitrag();
}

}  // namespace lx
