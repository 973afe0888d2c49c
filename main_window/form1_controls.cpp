// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The designed controls of the main window: made, placed in twips, named
// after their design names, ordered for the Tab key and named for screen readers.
#include "main_window/form1.h"
#include "main_window/graph_type_cycle.h"
#include "main_window/main_layout.h"
#include "main_window/visible_text_validator.h"
#include "model/costs/input_table.h"
#include "model/costs/model_text.h"
#include "model/text/contact_details.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/designed_look.h"
#include "platform/line_control.h"
#include "platform/picture_box.h"
#include "platform/tab_control.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

using namespace main_window;
using platform::CaptionLabel;
using platform::twipsRect;

namespace {

QRect rectOf(const Place &p) { return twipsRect(p.left, p.top, p.width, p.height); }

// A control with its design name as object name.
template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1StringView(name));
    return control;
}

QPushButton *makeButton(const char *name, const char *caption)
{
    auto *button = named(new QPushButton(Form1::tr(caption)), name);
    button->setAutoDefault(false);
    return button;
}

QFont resultFont(bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

// Enter presses the focused button, as Space does. The window is no dialog,
// so its buttons have no default-button handling of their own; autoDefault
// would give them one, but would also press on Ctrl+Enter and on a held key,
// and draw the focused button with the default button's frame.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void Form1::createTabControl()
{
    SSTab1 = named(new platform::TabControl(this), "SSTab1");
    SSTab1->setGeometry(rectOf(kTabControlPlace));
    for (int tab = AboutTab; tab <= GraphTab; ++tab)
        SSTab1->addPage(tabCaption(tab));
    SSTab1->setBackColour(platform::kLightBlue);
}

void Form1::createAboutTab()
{
    using platform::PictureBox;
    Picture1 = named(new PictureBox(QStringLiteral(":/images/brand_logo.png"), PictureBox::Border::Sunken), "Picture1");
    SSTab1->place(AboutTab, Picture1, rectOf(kLogoPlace));

    Label3 = named(new CaptionLabel, "Label3");
    SSTab1->place(AboutTab, Label3, rectOf(kWelcomePlace));

    Picture2 =
        named(new PictureBox(QStringLiteral(":/images/calculator_icon.png"), PictureBox::Border::None), "Picture2");
    SSTab1->place(AboutTab, Picture2, rectOf(kIconPlace));

    Label2 = named(new CaptionLabel, "Label2");
    Label2->setCaption(QString::fromUtf8(model::kCopyrightLine));
    SSTab1->place(AboutTab, Label2, rectOf(kCopyrightPlace));

    Command4 = makeButton("Command4", QT_TRANSLATE_NOOP("Form1", "More Information"));
    Command3 = makeButton("Command3", QT_TRANSLATE_NOOP("Form1", "About"));
    Command2 = makeButton("Command2", QT_TRANSLATE_NOOP("Form1", "Close"));
    SSTab1->place(AboutTab, Command4, rectOf(kMoreInfoPlace));
    SSTab1->place(AboutTab, Command3, rectOf(kAboutPlace));
    SSTab1->place(AboutTab, Command2, rectOf(kClosePlace));
}

void Form1::createYourDataTab()
{
    using platform::PictureBox;
    Picture3 =
        named(new PictureBox(QStringLiteral(":/images/your_data_banner.png"), PictureBox::Border::Sunken), "Picture3");
    SSTab1->place(YourDataTab, Picture3, rectOf(kDataBannerPlace));

    for (int f = 0; f < 4; ++f) {
        auto *frame = new QGroupBox;
        Frame1.set(f, frame);
        SSTab1->place(YourDataTab, frame, rectOf(kInputFramePlaces[std::size_t(f)]));
    }

    for (int i = 0; i < model::kInputCount; ++i) {
        const InputRow &row = kInputRows[std::size_t(i)];
        const model::InputDefinition &input = model::kInputs[std::size_t(i)];
        QGroupBox *frame = Frame1(row.frame);
        frame->setTitle(model::inputText(input.group));

        auto *caption = new CaptionLabel(frame);
        caption->setCaption(model::inputText(input.caption));
        const int captionWidth = i <= 1 ? kWideCaptionWidth : kInputCaptionWidth;
        caption->setGeometry(twipsRect(kInputCaptionLeft, row.top, captionWidth, kInputLabelHeight));
        Label1.set(row.captionLabel, caption);

        auto *unit = new CaptionLabel(frame);
        unit->setCaption(model::inputText(input.unit));
        unit->setGeometry(twipsRect(kUnitLeft, row.top, kUnitWidth, kInputLabelHeight));
        Label1.set(row.unitLabel, unit);

        auto *field = new QLineEdit(m_document->figureTexts()[std::size_t(i)], frame);
        field->setGeometry(twipsRect(kFieldLeft, row.top, kFieldWidth, kFieldHeight));
        field->raise(); // above the wide caption labels of the first two rows
        field->setValidator(new VisibleTextValidator(field));
        field->installEventFilter(this);
        YourData.set(i, field);
    }
}

void Form1::createResultTab(int f)
{
    using platform::PictureBox;
    const int tab = CurrentCostTab + f;
    PictureBox **banners[] = {&Picture4, &Picture5, &Picture6};
    const char *bannerNames[] = {"Picture4", "Picture5", "Picture6"};
    auto *banner =
        named(new PictureBox(QStringLiteral(":/images/result_banner.png"), PictureBox::Border::Sunken), bannerNames[f]);
    *banners[f] = banner;
    SSTab1->place(tab, banner, rectOf(kResultBannerPlace));

    auto *frame = new QGroupBox(model::tableTitle(model::kTableTitles[std::size_t(f)].heading));
    SSTab1->place(tab, frame, rectOf(kResultFramePlace));
    Frame2.set(f, frame);

    for (const Rule &rule : kRules) {
        auto *line = new platform::LineControl(platform::twips(kRuleLeft), platform::twips(kRuleRight),
                                               platform::twips(rule.y), rule.widthPixels, platform::kGreyText, frame);
        Line2.set(5 * f + rule.lineOffset, line);
    }

    for (int r = 1; r <= model::kRowCount; ++r) {
        const ResultRow &row = kResultRows[std::size_t(f)][std::size_t(r - 1)];
        const int top = resultRowTop(r);
        auto *caption = new CaptionLabel(frame);
        caption->setFont(resultFont(false));
        caption->setCaption(model::costRowCaption(f, r, m_document->assumptions(), m_document->locale()));
        caption->setGeometry(twipsRect(kResultCaptionLeft, top, row.captionWidth, kResultRowHeight));
        auto *figure = new CaptionLabel(frame, Qt::AlignRight);
        figure->setFont(resultFont(true));
        // A figure is one line: wrapping would break a very wide one after
        // its minus sign and hide the digits.
        figure->setWordWrap(false);
        figure->setCaption(QStringLiteral("0"));
        figure->setGeometry(twipsRect(row.figureLeft, top, row.figureWidth, kResultRowHeight));
        if (r <= model::kReducedRowCount) { // the total keeps the default text colour
            for (QLabel *label : {static_cast<QLabel *>(caption), static_cast<QLabel *>(figure)}) {
                QPalette p = platform::designedPalette();
                p.setColor(QPalette::WindowText, platform::kNavy);
                label->setPalette(p);
            }
        }
        CurentCost.set(row.captionLabel, caption);
        CurentCost.set(row.figureLabel, figure);
    }
}

void Form1::createGraphTab()
{
    MSChart1 = named(new platform::ChartControl, "MSChart1");
    SSTab1->place(GraphTab, MSChart1, rectOf(kChartPlace));
    Command1 = makeButton("Command1", kGraphCycle.front().captionBefore);
    SSTab1->place(GraphTab, Command1, rectOf(kGraphButtonPlace));
    // The graph type button stands over the chart's lower right: the plot
    // keeps clear of it where the legend's words are short (Chinese).
    MSChart1->setLegendMinimumWidth(rectOf(kChartPlace).right() - rectOf(kGraphButtonPlace).left() + 4);
    Command1->raise(); // in front of the chart
}

void Form1::setFocusOrder()
{
    // Tab order by ascending TabIndex; the tab control lets only the selected
    // tab's controls take the focus, so the Tab key walks the visible ones.
    std::vector<std::pair<int, QWidget *>> order{{0, SSTab1},    {54, MSChart1}, {81, Command1},
                                                 {83, Command2}, {87, Command3}, {88, Command4}};
    for (int i = 0; i < model::kInputCount; ++i)
        order.emplace_back(kInputRows[std::size_t(i)].tabIndex, YourData(i));
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void Form1::nameControlsForScreenReaders()
{
    // Labels and figures name themselves with their captions (CaptionLabel),
    // buttons, tabs and frames with theirs (Qt). The rest is set here.
    for (int i = 0; i < model::kInputCount; ++i) {
        const model::InputDefinition &input = model::kInputs[std::size_t(i)];
        // Without a name of its own a field would be announced by its frame.
        YourData(i)->setAccessibleName(QStringLiteral("%1, %2").arg(model::inputText(input.caption).trimmed(),
                                                                    model::inputText(input.unit).trimmed()));
    }
    describeFields();
    // A figure alone says nothing; its row caption tells what it is.
    for (const auto &frame : kResultRows) {
        for (const ResultRow &row : frame)
            CurentCost(row.figureLabel)->setAccessibleDescription(CurentCost(row.captionLabel)->caption());
    }
    // A page takes the focus itself when the tabs are turned by keyboard onto
    // a tab where nothing else can; it is announced by its tab's caption.
    for (int t = 0; t < SSTab1->count(); ++t)
        SSTab1->widget(t)->setAccessibleName(SSTab1->tabText(t));

    Picture1->setAccessibleName(tr("Velmor logo"));
    Picture2->setAccessibleName(tr("Calculator icon"));
    Picture3->setAccessibleName(tr("Velmor banner"));
    Picture3->setAccessibleDescription(tr("A lubrication pump and a bearing beside the Velmor logo"));
    for (platform::PictureBox *banner : {Picture4, Picture5, Picture6}) {
        banner->setAccessibleName(tr("HALDMARK and Velmor banner"));
        banner->setAccessibleDescription(tr("Lubrication equipment, the HALDMARK logo and the Velmor logo"));
    }

    MSChart1->setAccessibleName(tr("Savings chart"));
    // The named chart control takes the focus, from the Tab key or a click;
    // its drawing surface never does (ChartControl).
    MSChart1->setFocusPolicy(Qt::StrongFocus);

    auto *enterPresses = new EnterPressesButton(this);
    for (QPushButton *button : {Command1, Command2, Command3, Command4})
        button->installEventFilter(enterPresses);
}
