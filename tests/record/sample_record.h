// SPDX-License-Identifier: MIT
// A record as a visit leaves it: every field filled (with text beyond Latin), entries of a
// check and a calculator made by their real calculations, a verdict, a context and a note.
#pragma once

#include "calculators/figures.h"
#include "record/record.h"

#include <map>
#include <string>

namespace liftcalc::record {

inline Entry calculatedEntry(const Check &check, UnitSystem units,
                             const std::map<std::string, std::string> &inputs) {
    const auto figures = figuresOf(check, units, inputs, NumberFormat::english());
    return entryOf(check, units, figures.texts, NumberFormat::english(),
                   "2026-03-27T09:31:05+01:00");
}

inline Entry calculatedEntry(const Calculator &calculator, UnitSystem units,
                             const std::map<std::string, std::string> &inputs) {
    const auto figures = figuresOf(calculator, units, inputs, NumberFormat::english());
    return entryOf(calculator, units, figures.texts, NumberFormat::english(),
                   "2026-03-27T10:02:11+01:00");
}

inline Record sampleRecord() {
    Record r = newRecord("6f1c2a4e-8a51-4c1b-9a0e-3d2f5b7c9e10", "2026-03-27T09:14:00+01:00",
                         "2026-03-27", "liftcalc 0.1.0");
    r.lift = {"CA-12345",
              "S/N 77-01",
              "Tower B, car 2",
              "1 Main St,\nSpringfield",
              "Ville",
              "Maker \"Hydro\"",
              Measure{2500, "lb", {}},
              Measure{0.5, "mps", {}},
              Measure{4.5, "in", {}},
              2,
              {}};
    r.visit = {"2026-03-27",
               "Annual",
               "ASME A17.1-2019",
               {"Zoë Łukasiewicz", "L-42", "Lifts Ltd", {}},
               {"山田 太郎", "State", {}},
               "Remarks, with \"quotes\"",
               {}};
    r.entries.push_back(
        calculatedEntry(checks::reliefSetting, UnitSystem::imperial,
                        {{"full-load-pressure", "288.595"}, {"relief-setting", "420"}}));
    r.entries.back().verdict = Verdict::pass;
    r.entries.back().context = "car at top landing, rated load";
    r.entries.push_back(
        calculatedEntry(calculators::plungerDisplacement, UnitSystem::metric,
                        {{"diameter", "114.3"}, {"plungers", "2"}, {"speed", "0.5"}}));
    r.entries.back().verdict = Verdict::notApplicable;
    r.entries.back().note = "Замечание: ok";
    return r;
}

} // namespace liftcalc::record
