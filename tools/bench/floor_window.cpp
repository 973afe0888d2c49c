// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The floor of the benchmark: a bare Qt window with the same kinds and
// numbers of widgets as the calculator's main window, at the same places and
// with the same texts, but none of the program's own code: no cost model, no
// refresh on tab changes, no platform layer, no bundled font (Qt's default
// font), and plain pictures of the artwork's sizes made in memory instead of
// decoded from the resources.

#include "main_window/main_layout.h"
#include "model/costs/input_table.h"
#include "platform/designed_look.h"
#include "tools/bench/bench_probe.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QValueAxis>

using namespace main_window;

namespace {

QRect px(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }

// A place on the tab control, which counts the row of tabs, as a place on a
// page of it.
QRect onPage(const Place &p) { return px(p.left, p.top, p.width, p.height).translated(-2, -24); }

QPixmap plainPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(QColor(230, 230, 240));
    return picture;
}

QLabel *pictureLabel(int width, int height, bool sunken, QWidget *page, const QRect &place)
{
    auto *label = new QLabel(page);
    label->setPixmap(plainPicture(width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (sunken)
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    label->setGeometry(place);
    return label;
}

QLabel *textLabel(const QString &text, QWidget *parent, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

QPushButton *button(const char *caption, QWidget *page, const Place &place)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), page);
    b->setGeometry(onPage(place));
    return b;
}

// About as long as the welcome text, in four paragraphs.
QString welcomeLikeText()
{
    const QString sentence =
        QStringLiteral("This window shows about as many words as the welcome text does, wrapped at word "
                       "boundaries inside a label of the same size. ");
    return QStringLiteral("     Welcome\n\n     ") + sentence + sentence + QStringLiteral("\n\n     ") + sentence
           + QStringLiteral("\n\n     ") + sentence + sentence;
}

class FloorWindow : public QWidget {
public:
    FloorWindow() : m_background(plainPicture(600, 420))
    {
        setWindowTitle(QStringLiteral("Floor"));
        setFixedSize(kClientWidth / 15, kClientHeight / 15);

        tabs = new QTabWidget(this);
        tabs->setGeometry(
            px(kTabControlPlace.left, kTabControlPlace.top, kTabControlPlace.width, kTabControlPlace.height));
        QWidget *pages[6];
        for (int t = 0; t < 6; ++t) {
            pages[t] = new QWidget;
            tabs->addTab(pages[t], QString::fromLatin1(kTabCaptions[std::size_t(t)]));
        }

        // The welcome tab.
        pictureLabel(261, 229, true, pages[AboutTab], onPage(kLogoPlace));
        textLabel(welcomeLikeText(), pages[AboutTab], onPage(kWelcomePlace));
        pictureLabel(32, 32, false, pages[AboutTab], onPage(kIconPlace));
        textLabel(QStringLiteral("Copyright 2026 A Maker"), pages[AboutTab], onPage(kCopyrightPlace));
        button("More Information", pages[AboutTab], kMoreInfoPlace);
        button("About", pages[AboutTab], kAboutPlace);
        button("Close", pages[AboutTab], kClosePlace);

        // The input tab: four group boxes, twelve fields with two labels each.
        pictureLabel(261, 85, true, pages[YourDataTab], onPage(kDataBannerPlace));
        QGroupBox *frames[4];
        for (int f = 0; f < 4; ++f) {
            frames[f] = new QGroupBox(pages[YourDataTab]);
            frames[f]->setGeometry(onPage(kInputFramePlaces[std::size_t(f)]));
        }
        for (int i = 0; i < model::kInputCount; ++i) {
            const InputRow &row = kInputRows[std::size_t(i)];
            const model::InputDefinition &input = model::kInputs[std::size_t(i)];
            QGroupBox *frame = frames[row.frame];
            frame->setTitle(QString::fromLatin1(input.group));
            textLabel(QString::fromLatin1(input.caption), frame,
                      px(kInputCaptionLeft, row.top, kInputCaptionWidth, kInputLabelHeight));
            textLabel(QString::fromLatin1(input.unit), frame, px(kUnitLeft, row.top, kUnitWidth, kInputLabelHeight));
            auto *field = new QLineEdit(QString::fromLatin1(input.defaultText), frame);
            field->setGeometry(px(kFieldLeft, row.top, kFieldWidth, kFieldHeight));
            if (i == 2)
                inputField = field;
        }

        // Three result tabs: a group box with six captions, six bold figures
        // and five rules.
        QFont bold = font();
        bold.setBold(true);
        for (int f = 0; f < 3; ++f) {
            QWidget *page = pages[CurrentCostTab + f];
            pictureLabel(533, 85, true, page, onPage(kResultBannerPlace));
            auto *frame = new QGroupBox(QString::fromLatin1(model::kTableTitles[std::size_t(f)].heading), page);
            frame->setGeometry(onPage(kResultFramePlace));
            for (const Rule &rule : kRules) {
                auto *line = new QFrame(frame);
                line->setFrameShape(QFrame::HLine);
                line->setGeometry(kRuleLeft / 15, rule.y / 15, (kRuleRight - kRuleLeft) / 15, rule.widthPixels);
            }
            for (int r = 1; r <= 6; ++r) {
                const ResultRow &row = kResultRows[std::size_t(f)][std::size_t(r - 1)];
                const int top = resultRowTop(r);
                const model::CostRow &cost = model::kCostRows[std::size_t(r - 1)];
                const char *const captions[] = {cost.currentCaption, cost.velmorCaption, cost.savingsCaption};
                QString caption = QString::fromLatin1(captions[f]);
                if (f == 1 && r <= model::kReducedRowCount)
                    caption = caption.arg(cost.designedReductionPercent);
                textLabel(caption, frame, px(kResultCaptionLeft, top, row.captionWidth, kResultRowHeight));
                QLabel *figure =
                    textLabel(QStringLiteral("0"), frame, px(row.figureLeft, top, row.figureWidth, kResultRowHeight));
                figure->setAlignment(Qt::AlignRight | Qt::AlignTop);
                figure->setFont(bold);
            }
        }

        // The Graph tab: a stacked bar chart of five sets in three categories.
        auto *series = new QStackedBarSeries;
        const char *setNames[] = {"Lubrication Labor", "Lubricant Cost", "Bearing Cost", "Replacement Labor",
                                  "Lost Production"};
        for (int s = 0; s < 5; ++s) {
            auto *set = new QBarSet(QString::fromLatin1(setNames[s]));
            *set << 10.0 * (s + 1) << 5.0 * (s + 1) << 5.0 * (s + 1);
            series->append(set);
        }
        auto *chart = new QChart;
        chart->setTitle(QStringLiteral("ESTIMATED ANNUAL SAVINGS IN DOLLARS"));
        chart->addSeries(series);
        auto *categories = new QBarCategoryAxis;
        categories->append({QStringLiteral("CURRENT COST"), QStringLiteral("VELMOR COST"), QStringLiteral("SAVINGS")});
        auto *values = new QValueAxis;
        chart->addAxis(categories, Qt::AlignBottom);
        chart->addAxis(values, Qt::AlignLeft);
        series->attachAxis(categories);
        series->attachAxis(values);
        chart->legend()->setAlignment(Qt::AlignRight);
        auto *view = new QChartView(chart, pages[GraphTab]);
        view->setRenderHint(QPainter::Antialiasing);
        view->setGeometry(onPage(kChartPlace));
        button("Stacked Bar Graph", pages[GraphTab], kGraphButtonPlace)->raise();

        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }

    QTabWidget *tabs = nullptr;
    QLineEdit *inputField = nullptr;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), platform::kLightBlue);
        painter.drawPixmap(0, 0, m_background);
    }

private:
    QPixmap m_background;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    bench::Subject subject;
    subject.window = &window;
    subject.tabs = window.tabs;
    subject.field = window.inputField;
    return bench::run(subject);
}
