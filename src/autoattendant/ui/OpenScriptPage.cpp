#include "autoattendant/ui/OpenScriptPage.h"

#include "app/QtText.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/HelpTopics.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kiv {

namespace t = autoatt::texts;

namespace {

QString LineCaption(int line) {
    return ToQString(t::kLine) + " " + QString::number(line + 1);
}

} // namespace

COpenScriptPage::COpenScriptPage(autoatt::COpenScriptEdit& edit, QWidget* parent)
    : CPropertyPage(ToQString(t::kOpenScriptTab), parent), edit_(edit) {
    SetHelpTopic("pagina_iniziale");

    auto* ringsBox = new QGroupBox(ToQString(t::kRingsGroup), this);
    auto* ringsGrid = new QGridLayout(ringsBox);
    auto* pagesBox = new QGroupBox(this);
    auto* pagesGrid = new QGridLayout(pagesBox);
    for (int m = 0; m < autoatt::kModes; ++m)
        pagesGrid->addWidget(new QLabel(ToQString(t::kModeHeads[m]), pagesBox), 0, m + 1);
    for (int line = 0; line < autoatt::kLines; ++line) {
        const bool enabled = edit_.LineEnabled(line);
        auto* rings = new CSpinEdit(autoatt::kRingsRule, 1, ringsBox);
        rings->setObjectName(QString("rings%1").arg(line + 1));
        rings->SetText(ToQString(edit_.rings[static_cast<std::size_t>(line)]));
        auto* ringsLabel = new QLabel(LineCaption(line), ringsBox);
        ringsLabel->setBuddy(rings);
        ringsGrid->addWidget(ringsLabel, line, 0);
        ringsGrid->addWidget(rings, line, 1);
        rings_[static_cast<std::size_t>(line)] = rings;
        SetControlHelp(rings, autoatt::help::kRings);

        auto* pagesLabel = new QLabel(LineCaption(line), pagesBox);
        pagesGrid->addWidget(pagesLabel, line + 1, 0);
        for (int m = 0; m < autoatt::kModes; ++m) {
            auto* cell = new CSpinEdit(autoatt::kInitialPageRule, 2, pagesBox);
            cell->setObjectName(QString("initialPage%1_%2").arg(line + 1).arg(m));
            cell->setAccessibleName(LineCaption(line) + " " + ToQString(t::kModeHeads[m]));
            cell->SetText(ToQString(
                edit_.initialPages[static_cast<std::size_t>(line)][static_cast<std::size_t>(m)]));
            connect(cell, &CSpinEdit::FocusLost, this, [this, cell, m] {
                cell->SetText(ToQString(edit_.CellTextOnLeave(m, FieldText(cell->text()))));
            });
            cell->setEnabled(enabled);
            pagesGrid->addWidget(cell, line + 1, m + 1);
            cells_[static_cast<std::size_t>(line)][static_cast<std::size_t>(m)] = cell;
            SetControlHelp(cell, autoatt::help::kInitialPage);
        }
        for (QWidget* w : {static_cast<QWidget*>(rings), static_cast<QWidget*>(ringsLabel),
                           static_cast<QWidget*>(pagesLabel)})
            w->setEnabled(enabled);
    }
    ringsGrid->setColumnStretch(2, 1);
    pagesGrid->setColumnStretch(autoatt::kModes + 1, 1);

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(ringsBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(pagesBox);
    right->addStretch(1);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}

bool COpenScriptPage::OnKillActive() {
    for (int line = 0; line < autoatt::kLines; ++line) {
        edit_.rings[static_cast<std::size_t>(line)] = FieldText(Rings(line)->text());
        for (int m = 0; m < autoatt::kModes; ++m)
            edit_.initialPages[static_cast<std::size_t>(line)][static_cast<std::size_t>(m)] =
                FieldText(InitialPage(line, m)->text());
    }
    const auto failed = edit_.Check();
    if (!failed) return true;
    const autoatt::ScriptFieldRef& ref = failed->field;
    CSpinEdit* field = ref.kind == autoatt::ScriptFieldRef::Rings ? Rings(ref.line)
                                                                  : InitialPage(ref.line, ref.mode);
    return FailField(field, ToQString(failed->message));
}

} // namespace kiv
