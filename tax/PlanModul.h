#pragma once
// The flow-plan routines shared by the plans from 2008 on, run over one plan's
// PlanParameter table. Each PlanModul object holds its own plan variables
// (PlanZustand) between the entry and the follow-up operations.
//
// Units as in the plans: inputs, period results and church-tax bases in cents
// (Currency whose unit is the cent), annual values in euros. Inputs arrive and
// results leave in euros.
//
// A plan with a step of its own (a December plan runs the year twice,
// Dezemberplan.h) derives from PlanModul and reuses the routines; `p_` may be
// pointed at another table between two passes.

#include <memory>

#include "Dez.h"
#include "LxSteuernPlan.h"
#include "PlanParameter.h"

namespace lx {

struct PlanZustand {
    // Inputs; amounts in cents.
    int AJAHR = 0;
    int VJAHR = 0;
    int ZMVB = 0;
    Currency RE4, LZZFREIB, LZZHINZU, JFREIB, JHINZU, VMT, VBEZ, VBS, VBEZM, VBEZS, JVBEZ;
    Currency PKPV, ENTSCH, JRE4ENT, SONSTENT, MBV, JRE4;
    Currency f = 1_cur;
    Currency KVZ;  // percent
    Currency ZKF;  // child allowances, in halves
    int STKL = 0;
    int LZZ = 0;
    int KRV = 0;
    int PKV = 0;
    int PVA = 0;
    int ALTER1 = 0;
    int af = 0;
    int PVS = 0;
    int PVZ = 0;

    // MPARA; amounts in euros. GFB and W1STKL5..W3STKL5 are read from the table.
    Currency BBGRV, BBGKVPV, SOLZFREI;  // SOLZFREI times KZTAB once MSOLZ has run
    Dez<9> RVSATZAN, KVSATZAN, KVSATZAG, PVSATZAN, PVSATZAG;

    // Annual values in euros (VBEZB and VBEZBSO in cents).
    Currency ZRE4J, ZVBEZJ, JLFREIB, JLHINZU, VBEZB, VBEZBSO, HFVB, FVB, FVBZ, FVBSO, FVBZSO, ALTE;
    Currency ZRE4, ZRE4VP, ZVBEZ, ANP, SAP, EFA, KFB, ZTABFB;
    Currency VSP1, VSP2, VSPN, VSP3, VSP, ZVE, X, ST, LSTJAHR, JBMG;
    int KZTAB = 1;
    int KENNVMT = 0;
    // Pay for several years on a saved base (VmtRegel::FuenftelAufGespeicherteBasis), euros.
    Currency ZRE4S, ZTABFBS, FVBZA, VMTA;

    // Results and church-tax bases in cents.
    Currency LSTLZZ, SOLZLZZ, BK, LSTOSO, LSTSO, STS, STV;
    int vmtBegrenzt = 0;  // the multi-year tax was limited to normal taxation
};

class PlanModul : public LxSteuernPlan {
public:
    explicit PlanModul(const PlanParameter& parameter) : p_(&parameter) {}

    std::string_view name() const override { return p_->name; }
    bool bietet(PlanOperation op) const override;

    Currency LohnsteuerLzz(const LohnsteuerEingaben& e) override;
    Currency SolzLzz() override;
    Currency KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                              Currency Satz) override;
    Currency LohnsteuerSonst(Currency SONSTB, Currency JRE4, Currency JVBEZ, Currency VBS) override;
    Currency SolzSonst() override;
    Currency KirchensteuerSonst(int Pflichtig, int Bundesland, int Konfession, int Anteil, int AufVmt, Currency Kappung,
                                Currency Satz) override;
    Currency LohnsteuerVmt(Currency SONSTB, Currency JRE4) override;
    Currency SolzVmt() override;
    int VmtBegrenzt() override;

    // The plan variables, for tests and diagnostics.
    const PlanZustand& zustand() const { return z_; }

protected:
    // A cleared state, built in place (no temporary copied over the state).
    void neuerZustand()
    {
        std::destroy_at(&z_);
        std::construct_at(&z_);
    }

    // The plan's routines under their names.
    void eingabenSpeichern(const LohnsteuerEingaben& e);
    void MPARA();
    void MRE4JL();
    void MRE4();
    void MRE4ALTE();
    void MRE4ABZ();
    void MBERECH();
    void MZTABFB();
    void MLSTJAHR();
    void UPEVP();
    void MVSP();
    void UPEVPVorwegabzug();  // UPEVP, MVSP and UMVSP of VorsorgeRegel::Vorwegabzug
    void MVSPVorwegabzug();
    void UMVSP(Currency VSPO, Currency VSPVOR, Currency VSPMAX1, Currency VSPMAX2);
    // STV before f by VmtRegel::FuenftelAufGespeicherteBasis.
    Currency MVMTAufGespeicherteBasis(Currency SONSTB, Currency LST1);
    void UPMLST();
    void UPTAB();  // UPTAB24 in 2024, the year's tariff in every plan
    void MST5_6();
    Currency UP5_6(Currency ZX);
    Currency UPANTEIL(Currency JW) const;
    void MSOLZ();
    void MOSONST();
    void MRE4SONST();
    void STSMIN();
    Currency MSOLZSTS();
    Currency kirchensteuer(Currency basisCent, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                           Currency Satz) const;
    Currency mitFaktor(Currency st, JahresRundung rundung) const;

    const PlanParameter* p_;
    PlanZustand z_;
};

// The module of a plan whose table is all it needs: `using LxSteuern2012 =
// PlanModulMit<kPlan2012>;`.
template <const PlanParameter& Werte>
class PlanModulMit : public PlanModul {
public:
    static constexpr std::string_view kName = Werte.name;

    PlanModulMit() : PlanModul(Werte) {}
};

}  // namespace lx
