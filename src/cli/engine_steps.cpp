// Rooting the engine with its warning, and the cancelled exit.
#include "cli/engine_steps.h"

#include <iostream>

#include "cli/interrupt.h"
#include "data/ahnen_data.h"

namespace qv::cli {

bool RootEngine(TCalcClass& calc, int64_t root)
{
    calc.SetProband(root);
    if (InterruptRequested()) return false;
    if (calc.DepthCut()) std::cerr << "Warnung: " << kDepthCutWarning << '\n';
    return true;
}

int Interrupted()
{
    std::cerr << "Abgebrochen.\n";
    return kInterruptedStatus;
}

std::string PlainText(const std::string& text)
{
    std::string plain;
    plain.reserve(text.size());
    for (char c : text) {
        if (c == '\x0E')
            plain += "^(";
        else if (c == '\x0F')
            plain += ')';
        else
            plain += c;
    }
    return plain;
}

}  // namespace qv::cli
