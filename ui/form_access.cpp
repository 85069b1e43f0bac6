// SPDX-License-Identifier: MIT
// What screen readers learn beyond each widget's own name and role: the heading as a heading,
// and the answers of the last calculation, which sit in fields that Tab does not visit.
#include "ui/calculator_form.h"
#include "ui/widget_binding.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QStringList>
#include <algorithm>
#include <mutex>
#include <numeric>

namespace liftcalc {

namespace {

// The calculator's title above the fields, announced as the heading of the window.
class HeadingAccessible : public QAccessibleWidget {
public:
    explicit HeadingAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Heading) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *headingFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("QLabel") &&
        object->objectName() == QStringLiteral("Label1_%1").arg(kHeadingLabel))
        return new HeadingAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

// The fields in the order Tab walks them, which is the order of the rows.
std::array<int, kFieldCount> fieldsInTabOrder() {
    std::array<int, kFieldCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [](int a, int b) { return kFields[a].tabIndex < kFields[b].tabIndex; });
    return order;
}

} // namespace

void installHeadingAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(headingFactory); });
}

// The yellow fields on show that hold text, row by row from the top: "Diameter of Plunger(s):
// 254.000 MM; Load on Plunger(s): 9,071.800 KG; Static Pressure: 254.648 PSI, 17.558 BAR".
void CalculatorForm::describeAnswers() {
    static const std::array<int, kFieldCount> order = fieldsInTabOrder();
    QStringList rows;
    std::string_view quantity;
    for (int i : order) {
        const Field &f = model_.Text1(i);
        if (!f.Visible || !f.Locked || f.Text.empty())
            continue;
        const std::string_view unit = unitOf(i);
        const QString value =
            unit.empty() ? text(f.Text) : text(f.Text) + QLatin1Char(' ') + text(unit);
        if (!rows.isEmpty() && quantityOf(i).name == quantity)
            rows.last() += QStringLiteral(", ") + value;
        else
            rows.append(text(quantityOf(i).name) + QStringLiteral(": ") + value);
        quantity = quantityOf(i).name;
    }
    liftcalc::describeAnswers(this, widgetOf(ControlId::cmdCalculate), rows);
}

} // namespace liftcalc
