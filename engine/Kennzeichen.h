#pragma once
// Names of the number codes that decide rules: the four digits of the
// contribution-group code, the special cases of the options (the codes that
// MapKVBes and its siblings give) and the private-insurance status. The fields
// and setters keep the plain numbers, which are what records and callers pass;
// a rule compares a field with a name (`FKVBes == Besonderheit::PrivatSelbstzahler`)
// and a caller passes a name to a setter through Code.

#include <concepts>
#include <cstdint>
#include <type_traits>

namespace lx {

// Health digit.
enum class KVZiffer : std::uint8_t { Keine = 0, Allgemein = 1, Ermaessigt = 3, MinijobPauschal = 6, Freiwillig = 9 };
// Pension digit.
enum class RVZiffer : std::uint8_t { Keine = 0, Voll = 1, NurArbeitgeberHalb = 3, MinijobPauschal = 5 };
// Unemployment digit.
enum class AVZiffer : std::uint8_t { Keine = 0, Voll = 1, NurArbeitgeberHalb = 2 };
// Care digit.
enum class PVZiffer : std::uint8_t { Keine = 0, Voll = 1, Halb = 2 };

// Special cases of health and care insurance (FKVBes, FPVBes).
enum class Besonderheit : std::uint8_t {
    Keine = 0,
    FreiwilligSelbstzahler = 2,  // voluntary member paying the fund himself
    PrivatFirmenzahler = 3,      // private, the premium paid through the employer
    PrivatSelbstzahler = 4,      // private, the employee pays the insurer himself
    PrivatOhneZuschuss = 5,      // private without the employer's subsidy
    NichtVersichert = 9,         // no contribution computed
};
// Special cases of pension insurance (FRVBes): a professional pension fund.
enum class RVBesonderheit : std::uint8_t {
    Keine = 0,
    VersorgungswerkFirmenzahler = 1,
    VersorgungswerkSelbstzahler = 2
};
// Special cases of unemployment insurance (FAVBes).
enum class AVBesonderheit : std::uint8_t { Keine = 0, NurArbeitnehmeranteil = 1 };

// Deferred compensation: its kind (MapBAVArt) and its tax treatment (MapBAVStFrei).
enum class BAVArt : std::uint8_t {
    Keine = 0,
    Direktversicherung = 1,
    Pensionskasse = 2,
    Pensionsfonds = 3,
    Unterstuetzungskasse = 4,
};
enum class BAVSteuer : std::uint8_t { Nr63 = 1, AllesSteuerfrei = 2, NichtsSteuerfrei = 3 };

// Contributions on pension benefits (FVB, the pension-benefit panel's tag):
// none, or the full rates with contributions below one twentieth of the
// reference value paid or not paid.
enum class VBModus : std::uint8_t { Keiner = 0, Abfuehren = 1, NichtAbfuehren = 2 };

// The private-insurance status the wage tax takes (FPKV).
enum class PKVStatus : std::uint8_t { Gesetzlich = 0, PrivatOhneZuschuss = 1, PrivatMitZuschuss = 2 };

// Private health insurance, with or without the employer's subsidy.
constexpr bool PrivatVersichert(std::uint8_t kvBes)
{
    return kvBes == static_cast<std::uint8_t>(Besonderheit::PrivatFirmenzahler) ||
           kvBes == static_cast<std::uint8_t>(Besonderheit::PrivatSelbstzahler) ||
           kvBes == static_cast<std::uint8_t>(Besonderheit::PrivatOhneZuschuss);
}

// The status the wage tax takes for a health special case.
constexpr PKVStatus PKVStatusFuer(std::uint8_t kvBes)
{
    if (kvBes == static_cast<std::uint8_t>(Besonderheit::PrivatOhneZuschuss)) return PKVStatus::PrivatOhneZuschuss;
    return PrivatVersichert(kvBes) ? PKVStatus::PrivatMitZuschuss : PKVStatus::Gesetzlich;
}

template <class E>
concept Kennzeichen =
    std::same_as<E, KVZiffer> || std::same_as<E, RVZiffer> || std::same_as<E, AVZiffer> || std::same_as<E, PVZiffer> ||
    std::same_as<E, Besonderheit> || std::same_as<E, RVBesonderheit> || std::same_as<E, AVBesonderheit> ||
    std::same_as<E, PKVStatus> || std::same_as<E, BAVArt> || std::same_as<E, BAVSteuer> || std::same_as<E, VBModus>;

// The number a setter takes and a field holds.
template <Kennzeichen E>
constexpr std::uint8_t Code(E e)
{
    return static_cast<std::uint8_t>(e);
}

// The constraint in the return type: clang 14 would otherwise check the
// declaration for a plain enum compared with an int before the constraint.
template <class E>
constexpr std::enable_if_t<Kennzeichen<E>, bool> operator==(std::uint8_t code, E e)
{
    return code == Code(e);
}

}  // namespace lx
