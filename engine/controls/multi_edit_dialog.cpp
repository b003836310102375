#include "controls/multi_edit_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "controls/arrow_well.h"
#include "controls/color_well.h"
#include "controls/form_rows.h"
#include "controls/line_style_well.h"
#include "controls/number_edit.h"
#include "controls/shadow_well.h"
#include "core/component.h"
#include "core/property_ids.h"
#include "core/property_table.h"
#include "properties/property_kinds.h"

namespace P = QarnPropId;

// One attribute: its widget, how to read the user's value, how to check it, and whether the
// user changed it.
struct CQarnMultiEditDialog::Field {
    UINT id = 0;
    QWidget* widget = nullptr;
    bool mixed = false;
    bool changed = false;
    std::function<CVariant()> value;
    // Empty when acceptable.
    std::function<QString()> check = [] { return QString(); };
};

namespace {

// Which property kind a component needs to have the attribute (0: every component has it).
unsigned int RequiredKind(UINT id) {
    if (id >= 100 && id < 200) {
        return QARN_PROP_SHADOW;
    }
    if (id >= 200 && id < 300) {
        return QARN_PROP_PEN;
    }
    if (id >= 300 && id < 400) {
        return QARN_PROP_BRUSH;
    }
    if (id >= 400 && id < 500) {
        return QARN_PROP_ARROW;
    }
    if (id >= 500 && id < 600) {
        return QARN_PROP_TEXT;
    }
    return 0;
}

// The components' shared value of the id, or empty when they disagree.
std::optional<CVariant> SharedValue(const ComponentList& components, UINT id) {
    std::optional<CVariant> shared;
    for (CQarnComponent* c : components) {
        const CVariant v = c->GetPropValue(id);
        if (!shared) {
            shared = v;
        } else if (!(*shared == v)) {
            return std::nullopt;
        }
    }
    return shared;
}

}  // namespace

CQarnMultiEditDialog::CQarnMultiEditDialog(const ComponentList& components, QWidget* parent)
    : CQarnDialog(tr("Line & Fill of %n objects", nullptr, int(components.size())), parent),
      m_Components(components) {
    AddFields();
}

CQarnMultiEditDialog::~CQarnMultiEditDialog() = default;

void CQarnMultiEditDialog::AddFields() {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Empty fields are values the objects do not share; only the "
                               "fields you change are set on all of them."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* grid = new QGridLayout();
    layout->addLayout(grid);

    auto allHave = [this](UINT id) {
        const unsigned int kind = RequiredKind(id);
        for (CQarnComponent* c : m_Components) {
            if (kind != 0 && c->GetProperty(int(kind)) == nullptr) {
                return false;
            }
        }
        return !m_Components.isEmpty();
    };

    int groupIndex = 0;
    QFormLayout* form = nullptr;
    auto group = [&](const QString& title, std::initializer_list<UINT> ids) {
        for (UINT id : ids) {
            if (allHave(id)) {
                auto* box = new QGroupBox(title, this);
                form = new QFormLayout(box);
                grid->addWidget(box, groupIndex / 2, groupIndex % 2);
                ++groupIndex;
                return true;
            }
        }
        return false;
    };

    auto add = [&](UINT id, const QString& caption, QWidget* widget,
                   std::unique_ptr<Field> field) -> Field* {
        field->id = id;
        field->widget = widget;
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            form->addRow(QString(), box);
        } else {
            Qarn::AddFormRow(form, caption, widget);
        }
        Field* raw = field.get();
        m_Fields.push_back(std::move(field));
        return raw;
    };

    auto addBool = [&](UINT id, const QString& caption) {
        auto* box = Qarn::CreateCheckBox(caption, this);
        auto field = std::make_unique<Field>();
        const std::optional<CVariant> shared = SharedValue(m_Components, id);
        field->mixed = !shared;
        if (shared) {
            box->setChecked(shared->GetBool() != VARIANT_FALSE);
        } else {
            box->setTristate(true);
            box->setCheckState(Qt::PartiallyChecked);
        }
        field->value = [box] { return CVariant(box->checkState() == Qt::Checked); };
        Field* raw = add(id, caption, box, std::move(field));
        connect(box, &QCheckBox::clicked, this, [box, raw] {
            // A click settles a mixed box on one value; it never goes back to "mixed".
            if (box->checkState() == Qt::PartiallyChecked) {
                box->setCheckState(Qt::Checked);
            }
            box->setTristate(false);
            raw->changed = true;
        });
    };

    auto addColor = [&](UINT id, const QString& caption, const QString& name) {
        auto* well = new CQarnColorWell(name, this);
        auto field = std::make_unique<Field>();
        const std::optional<CVariant> shared = SharedValue(m_Components, id);
        field->mixed = !shared;
        if (shared) {
            well->SetColor(Color(ARGB(shared->GetI4())));
        } else {
            well->SetNoColor(tr("(differ)"));
        }
        field->value = [well] { return CVariant(std::int32_t(well->GetColor().GetValue())); };
        Field* raw = add(id, caption, well, std::move(field));
        connect(well, &CQarnWell::ValueChanged, this, [raw] { raw->changed = true; });
    };

    auto addNumber = [&](UINT id, const QString& caption, double min, double max, int decimals,
                         double scale = 1.0) {
        const CQarnPropertyTable::Row* row = CQarnPropertyTable::Find(id);
        auto* edit = new CQarnNumberEdit(Qarn::PlainLabelText(caption), min, max, decimals, this);
        edit->setMaximumWidth(90);
        auto field = std::make_unique<Field>();
        const std::optional<CVariant> shared = SharedValue(m_Components, id);
        field->mixed = !shared;
        if (shared) {
            CVariant asDouble;
            shared->ChangeType(VT_R8, &asDouble);
            edit->SetValue(scale == 1.0 ? asDouble.GetR8() : std::round(asDouble.GetR8() * scale));
        } else {
            edit->SetNoValue();
        }
        const VARTYPE type = row != nullptr ? row->type : VARTYPE(VT_R8);
        field->value = [edit, type, scale] {
            const double typed = edit->GetValue().value_or(0.0);
            const double stored = scale == 1.0 ? typed : std::round(typed / scale);
            if (type == VT_R4) {
                return CVariant(float(stored));
            }
            return CVariant(std::int32_t(std::lround(stored)));
        };
        field->check = [edit] { return edit->CheckValue(); };
        Field* raw = add(id, caption, edit, std::move(field));
        connect(edit, &QLineEdit::textEdited, this, [raw] { raw->changed = true; });
    };

    auto addWell = [&](UINT id, const QString& caption, CQarnItemWell* well,
                       const std::function<void(CQarnItemWell*, const CVariant&)>& show,
                       const std::function<CVariant(CQarnItemWell*)>& read) {
        auto field = std::make_unique<Field>();
        const std::optional<CVariant> shared = SharedValue(m_Components, id);
        field->mixed = !shared;
        if (shared) {
            show(well, *shared);
        } else {
            well->SetCurSel(-1);
            well->SetNoSelectionText(tr("(differ)"));
        }
        field->value = [well, read] { return read(well); };
        Field* raw = add(id, caption, well, std::move(field));
        connect(well, &CQarnWell::ValueChanged, this, [raw] { raw->changed = true; });
    };

    if (group(tr("Line"), {P::LineWidth})) {
        addBool(P::DrawLine, tr("Draw the &outline"));
        addNumber(P::LineWidth, tr("Line &width:"), 0.0, 10000.0, 2);
        addColor(P::LineColor1, tr("Line &colour:"), tr("Line colour"));
        addWell(
            P::DashStyle, tr("&Dashes:"), new CQarnLineStyleWell(this),
            [](CQarnItemWell* w, const CVariant& v) {
                static_cast<CQarnLineStyleWell*>(w)->SetDashStyle((unsigned short)(v.GetI4()));
            },
            [](CQarnItemWell* w) {
                return CVariant(std::int32_t(static_cast<CQarnLineStyleWell*>(w)->GetDashStyle()));
            });
    }
    if (group(tr("Fill"), {P::FillColor1})) {
        addBool(P::Fill, tr("F&ill the shapes"));
        addColor(P::FillColor1, tr("Fill c&olour:"), tr("Fill colour"));
        addNumber(P::Alpha, tr("O&pacity (%):"), 0, 100, 0, 100.0 / 255.0);
    }
    if (group(tr("Arrow heads"), {P::StartArrow})) {
        auto arrowShow = [](CQarnItemWell* w, const CVariant& v) {
            static_cast<CQarnArrowWell*>(w)->SetArrowType(ArrowType(v.GetUI1()));
        };
        auto arrowRead = [](CQarnItemWell* w) {
            return CVariant(BYTE(static_cast<CQarnArrowWell*>(w)->GetArrowType()));
        };
        addWell(P::StartArrow, tr("&Start head:"),
                new CQarnArrowWell(CQarnArrowHeadItems::End::Start, this), arrowShow, arrowRead);
        addNumber(P::StartArrowSize, tr("Start size:"), 0, 255, 0);
        addWell(P::EndArrow, tr("&End head:"),
                new CQarnArrowWell(CQarnArrowHeadItems::End::End, this), arrowShow, arrowRead);
        addNumber(P::EndArrowSize, tr("End size:"), 0, 255, 0);
    }
    if (group(tr("Text"), {P::TextColor})) {
        addBool(P::DrawText, tr("Show the &text"));
        addColor(P::TextColor, tr("Te&xt colour:"), tr("Text colour"));
        auto* face = new QFontComboBox(this);
        face->setEditable(true);
        auto field = std::make_unique<Field>();
        const std::optional<CVariant> shared = SharedValue(m_Components, P::FontName);
        field->mixed = !shared;
        face->setEditText(shared ? shared->GetBSTR() : QString());
        field->value = [face] { return CVariant(face->currentText().trimmed()); };
        field->check = [face] {
            return face->currentText().trimmed().isEmpty() ? tr("Name the font of the text.")
                                                           : QString();
        };
        Field* raw = add(P::FontName, tr("&Font:"), face, std::move(field));
        connect(face, &QComboBox::currentTextChanged, this, [raw] { raw->changed = true; });
        addNumber(P::FontSize, tr("Font si&ze (pt):"), 1, 1000, 0);
        auto* align = Qarn::CreateChoice({tr("Left"), tr("Centre"), tr("Right")}, this);
        auto alignField = std::make_unique<Field>();
        const std::optional<CVariant> sharedAlign = SharedValue(m_Components, P::TextAlign);
        alignField->mixed = !sharedAlign;
        align->setCurrentIndex(sharedAlign && sharedAlign->GetI4() < 3 ? sharedAlign->GetI4() : -1);
        alignField->value = [align] { return CVariant(std::int32_t(align->currentIndex())); };
        Field* rawAlign = add(P::TextAlign, tr("&Alignment:"), align, std::move(alignField));
        connect(align, &QComboBox::activated, this, [rawAlign] { rawAlign->changed = true; });
    }
    if (group(tr("Shadow"), {P::ShadowStyle})) {
        addBool(P::DrawShadow, tr("Cast a s&hadow"));
        addWell(
            P::ShadowStyle, tr("Shadow p&lacement:"), new CQarnShadowWell(this),
            [](CQarnItemWell* w, const CVariant& v) {
                static_cast<CQarnShadowWell*>(w)->SetShadowStyle(DWORD(v.GetI4()));
            },
            [](CQarnItemWell* w) {
                return CVariant(std::int32_t(static_cast<CQarnShadowWell*>(w)->GetShadowStyle()));
            });
        addColor(P::ShadowColor1, tr("Shadow colo&ur:"), tr("Shadow colour"));
    }
    layout->addStretch(1);
    layout->addWidget(CreateButtons());
}

QWidget* CQarnMultiEditDialog::GetField(UINT id) const {
    for (const std::unique_ptr<Field>& f : m_Fields) {
        if (f->id == id) {
            return f->widget;
        }
    }
    return nullptr;
}

bool CQarnMultiEditDialog::IsMixed(UINT id) const {
    for (const std::unique_ptr<Field>& f : m_Fields) {
        if (f->id == id) {
            return f->mixed;
        }
    }
    return false;
}

bool CQarnMultiEditDialog::ValidateMore() {
    for (const std::unique_ptr<Field>& f : m_Fields) {
        if (!f->changed) {
            continue;
        }
        const QString problem = f->check();
        if (!problem.isEmpty()) {
            return Refuse(f->widget, problem);
        }
        const CQarnPropertyTable::Row* row = CQarnPropertyTable::Find(f->id);
        CVariant converted;
        if (row != nullptr && FAILED(row->Convert(f->value(), &converted))) {
            return Refuse(f->widget,
                          tr("%1 cannot take that value.").arg(QString::fromLatin1(row->name)));
        }
    }
    return true;
}

QList<CQarnMultiEditDialog::Change> CQarnMultiEditDialog::GetChanges() const {
    QList<Change> changes;
    for (const std::unique_ptr<Field>& f : m_Fields) {
        if (f->changed) {
            changes.append({f->id, f->value()});
        }
    }
    return changes;
}

int CQarnMultiEditDialog::Apply(const ComponentList& components, const QList<Change>& changes) {
    int changedCount = 0;
    for (CQarnComponent* c : components) {
        bool changed = false;
        for (const Change& change : changes) {
            const CVariant before = c->GetPropValue(change.id);
            if (SUCCEEDED(c->SetPropValue(change.value, change.id)) &&
                !(c->GetPropValue(change.id) == before)) {
                changed = true;
            }
        }
        if (changed) {
            c->ResetPath();
            c->Invalidate(nullptr, false);
            c->OnPropertyChanged(0);
            ++changedCount;
        }
    }
    return changedCount;
}
