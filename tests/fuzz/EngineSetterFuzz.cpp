// The payroll engine with any values in its setters, set in the order of its
// calling contract, then the month's computation and the garnishable amount.
// The input is read as a stream of values; each value's first byte chooses
// its size, so small and extreme values both occur.

#include <array>
#include <cstring>
#include <string>

#include "FuzzTarget.h"
#include "Gehaltsroutinen.h"

namespace {

using lx::Byte;
using lx::Currency;

class Werte {
public:
    Werte(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    std::uint64_t bytes(int n)
    {
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i) v = v << 8 | byte();
        return v;
    }

    int ganz()
    {
        switch (byte() % 4) {
            case 0:
                return byte();
            case 1:
                return 1900 + byte();
            case 2:
                return static_cast<std::int16_t>(bytes(2));
            default:
                return static_cast<std::int32_t>(bytes(4));
        }
    }

    int jahr() { return byte() % 8 == 7 ? ganz() : 2004 + byte() % 21; }

    Currency betrag()
    {
        switch (byte() % 5) {
            case 0:
                return Currency::fromRaw(static_cast<std::int64_t>(bytes(2)) * 100);  // up to 6.553,50
            case 1:
                return Currency::fromRaw(static_cast<std::int64_t>(bytes(3)) * 100);  // up to 167.772,15
            case 2:
                return Currency::fromRaw(-static_cast<std::int64_t>(bytes(2)) * 100);
            case 3:
                return Currency::fromRaw(static_cast<std::int64_t>(byte()) * 1000);  // rates up to 25,5
            default: {
                const std::uint64_t u = bytes(8);
                std::int64_t raw;
                std::memcpy(&raw, &u, sizeof raw);
                return Currency::fromRaw(raw);
            }
        }
    }

    std::string bgr()
    {
        std::string code;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            code += b >= 250 ? static_cast<char>(b) : static_cast<char>('0' + b % 10);
        }
        return code;
    }

    std::string zvArt()
    {
        static constexpr std::array<const char*, 6> kArten = {"keine", "RZVK", "VBL", "kvw", "individuell", "VBL-West"};
        const std::uint8_t b = byte();
        if (b < 240) return kArten[b % kArten.size()];
        std::string frei;
        for (int i = b % 8; i > 0; --i) frei += static_cast<char>(byte());
        return frei;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Werte w(data, size);
    lx::TLohnGehalt lg;
    try {
        lg.SetRechtskreis(w.byte());
        lg.SetJahr(w.jahr());
        lg.SetBGR(w.bgr());
        lg.SetMonat(w.ganz());
        lg.SetGleitzone(w.byte());
        lg.SetRVVoll(w.byte());
        lg.SetPVZuschlag(w.byte());
        lg.SetSachsen(w.byte());
        lg.SetMiniRVPflicht(w.byte());
        lg.SetPKVNachSVBrutto(w.byte());
        lg.SetPKVBeitrag(w.betrag());
        lg.SetPPVBeitrag(w.betrag());
        lg.SetPKV(w.byte());
        lg.SetKVBes(w.byte());
        lg.SetRVBes(w.byte());
        lg.SetAVBes(w.byte());
        lg.SetPVBes(w.byte());
        lg.SetKVZusatz(w.betrag());
        lg.SetU1Satz(w.betrag());
        lg.SetU2Satz(w.betrag());
        lg.SetKVSatz(w.betrag());
        lg.SetVB(w.byte());
        lg.SetMehrfach(w.byte());
        lg.SetBruttoAnderer(w.betrag());
        lg.SetSVBrutto(w.betrag());
        lg.SetSVBruttoEB(w.betrag());
        lg.SetSVTageVorher(w.ganz());
        lg.SetStBrutto(w.betrag());
        lg.SetStBruttoEB(w.betrag());
        lg.SetStBruttoLMJ(w.betrag());
        lg.SetGesamtbrutto(w.betrag());
        lg.SetStAuto(w.byte());
        lg.SetSVAuto(w.byte());
        lg.SetStBruttoJahr(w.betrag());
        lg.SetVBBruttoJahr(w.betrag());
        lg.SetKVBruttoVor(w.betrag());
        lg.SetRVBruttoVor(w.betrag());
        lg.SetFBJahr(w.betrag());
        lg.SetZVBrutto(w.betrag());
        lg.SetVBBrutto(w.betrag());
        lg.SetStTage(w.byte());
        lg.SetSVTage(w.byte());
        lg.SetPfaendung(w.byte());
        lg.SetUnterhaltPers(w.byte());
        lg.SetPfaendVerbleib(w.betrag());
        lg.SetPfaendKorrektur(w.betrag());
        lg.SetLZZ(w.byte());
        lg.SetStKl(w.byte());
        lg.SetPKPV(w.betrag());
        lg.SetFaktor(w.betrag());
        lg.SetKonfession(w.byte());
        lg.SetBundesland(w.byte());
        lg.SetKammer(w.byte());
        lg.SetErmKiSt(w.byte());
        lg.SetKRV(w.byte());
        lg.SetKiFB(w.betrag());
        lg.SetStFreibetrag(w.betrag());
        lg.SetGebJahr(w.ganz());
        lg.SetPVKinder(w.byte());
        lg.SetZVArt(w.zvArt());
        lg.SetZVPStGrenze(w.betrag());
        lg.SetZVMax56(w.betrag());
        lg.SetZVSatzAG(w.betrag());
        lg.SetZVSatzAN(w.betrag());
        lg.SetSanierungsgeldSatz(w.betrag());
        lg.SetZVUmlage(w.byte());
        lg.SetVBMax(w.betrag());
        lg.SetVBBruttoEB(w.betrag());
        lg.SetVBBeginnJahr(w.ganz());
        lg.SetVBMonate(w.byte());
        lg.SetVBErsterVers(w.betrag());
        lg.SetVBEinmal(w.betrag());
        lg.SetBAVArt(w.byte());
        lg.SetBAVBetrag(w.betrag());
        lg.SetBAVAN(w.betrag());
        lg.SetBAVStFrei(w.byte());
        lg.SetBAVZus1800(w.byte());
        lg.SetBAVPauschal(w.betrag());
        lg.SetBAVMonatlich(w.byte());
        lg.SetATZ(w.byte());
        lg.SetATZAufstockung(w.betrag());
        lg.SetATZAufstRV(w.betrag());
        lg.SetATZRegelentgelt(w.betrag());
        lg.Berechnen();
        lg.BerechnePfaendung();
    } catch (const std::exception&) {
        // A refusal or an overflow reported as an error; the window shows it.
    }
    return 0;
}
