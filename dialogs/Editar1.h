#pragma once
// The sensor data dialog (resource 210, "Dane czujnika"): the general dialog's
// body plus the wiring options of a proximity sensor or barrier receiver ("2
// przewodowe", "3 przewodowe", "PNP", "NPN") and terminals on one side
// ("zaciski"). OK writes the code of the chosen variant into g_exchangeType.
#include "dialogs/Editar.h"

namespace velk {

constexpr int IDD_EDITAR1 = 210;

class CEditar1Dlg : public CEditarDlg {
public:
    CEditar1Dlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

    void OnTwoWire();
    void OnThreeWire();
    void OnPnp();
    void OnNpn();
    void OnTerminalsOneSide();

    static constexpr int kTwoWire = 0, kThreeWire = 1, kPnp = 2, kNpn = 3;
    static constexpr int kOptionCount = 4;
    // One per radio, in the order above: 0 selected, -1 not.
    int m_option[kOptionCount] = {-1, -1, -1, -1};
    int m_oneSide = 0;

private:
    void setOptions(int twoWire, int threeWire, int pnp, int npn);
    void chooseOutput(int chosen, int other);
};

// The title line of a sensor or barrier code: its family's caption, empty for a
// code outside the families and the emitter.
const char* sensorCaption(int type);

}  // namespace velk
