#include "material/ausschreibungsmengen.h"

#include "app/zahl.h"
#include "model/gebaeudesummen.h"

#include <algorithm>

AusschreibungsMengen AusschreibungsMengen::aus(const GebaeudeSummen& s)
{
    AusschreibungsMengen m;
    m.rohr = 40.0f * static_cast<float>(s.abgaenge);
    if (s.fbhKreise > 0)
        m.rohr -= 10.0f * static_cast<float>(s.fbhKreise);
    // All registers of the circuits less those of the floor heating loops are wall registers.
    int register_ = 0;
    for (int k = 1; k <= 4; ++k)
        register_ += k * s.kreiseMitRegistern[k];
    m.schutzrohr = 2.0f * static_cast<float>(std::max(0, register_ - s.fbhRegister)) * 0.3f;
    m.rohrMeter = Zahl::ganz(m.rohr);
    m.isolierung = m.rohrMeter / 2;
    if (s.fbhKreise > 0)
        m.isolierung -= 5 * s.fbhKreise;
    m.isolierung = std::max(0, m.isolierung);
    m.haken = m.rohrMeter / 2;
    for (int z = 2; z <= 10; ++z) {
        const int n = s.hkvKeller[z] + s.hkvAndere[z];
        m.verteiler += n;
        m.anschluesse += 2 * z * n;
    }
    m.stellantriebe = s.abgaenge - s.fbhKreise;
    m.raumregler = s.fbhKreise;
    return m;
}
