// Typing into the numeric fields and leaving them, as the windows configure them.
#include <functional>
#include <memory>
#include <optional>

#include "ControlsFixture.h"
#include "Currency.h"
#include "LxValueEdit.h"
#include "LxValueLabEdit.h"

using namespace lx::literals;

namespace {

struct Config {
    int kommastellen;
    lx::Currency min;
    lx::Currency max;
    bool dezimalTrz = true;
    std::optional<lx::Currency> start = std::nullopt;  // ValueDouble set after the range
};

struct Selection {
    int start;
    int length;
};

struct Case {
    const char* name;
    Config config;
    const char* initial;                 // text before the field is entered; nullptr keeps what the setters wrote
    std::optional<Selection> selection;  // replaces the whole-text selection of entering
    const char* keys;
    bool leave;
    const char* text;
    lx::Currency value;
};

const Config kAmount{2, 0_cur, 1000000_cur};
const Config kSignedAmount{2, -(1000000_cur), 1000000_cur};

const Case kCases[] = {
    {"over the maximum", kAmount, nullptr, {}, "1234567", true, "1.000.000,00", 1000000_cur},
    {"below the negative minimum", kSignedAmount, nullptr, {}, "-2500000", true, "-1.000.000,00", -(1000000_cur)},
    {"third decimal gone on release", kAmount, nullptr, {}, "12,345", false, "12,34", 0_cur},
    {"third decimal, then left", kAmount, nullptr, {}, "12,345", true, "12,34", 12.34_cur},
    {"second comma rejected", kAmount, nullptr, {}, "1,2,5", true, "1,25", 1.25_cur},
    {"minus in the middle rejected", kSignedAmount, nullptr, {}, "12-3", true, "123,00", 123_cur},
    {"minus rejected for minimum 0", {2, 0_cur, 10_cur}, nullptr, {}, "-5", true, "5,00", 5_cur},
    {"comma rejected without decimals", {0, 0_cur, 99_cur}, nullptr, {}, "1,5", true, "15", 15_cur},
    {"letters and dots rejected", {1, 0_cur, 20_cur, false}, nullptr, {}, "1a.5", true, "15,0", 15_cur},
    {"lone comma gets a leading zero", kAmount, nullptr, {}, ",5", true, "0,50", 0.5_cur},
    {"rejected key empties the whole selection", kAmount, "1.234,56", {}, "a", false, "", 0_cur},
    {"rejected key over a part: dots removed", kAmount, "1.234,56", Selection{2, 2}, "x9", false, "194,56", 0_cur},
    {"backspace over a part", kAmount, "1234,56", Selection{2, 2}, "\b", false, "1,56", 0_cur},
    {"ENTER types nothing", kAmount, nullptr, {}, "12\r3", false, "123", 0_cur},
    {"zero decimals: 45 pulled to 30", {0, 1_cur, 30_cur}, nullptr, {}, "45", true, "30", 30_cur},
    {"zero decimals: 0 raised to 1", {0, 1_cur, 30_cur}, nullptr, {}, "0", true, "1", 1_cur},
    {"zero decimals: in range stays", {0, 1_cur, 30_cur}, nullptr, {}, "12", true, "12", 12_cur},
    {"zero decimals: a year, no separators", {0, 2005_cur, 2023_cur}, nullptr, {}, "2030", true, "2023", 2023_cur},
    {"zero decimals: leading zero, over the maximum", {0, 0_cur, 330_cur}, nullptr, {}, "0400", true, "330", 330_cur},
    {"one decimal without separators", {1, 0_cur, 20_cur, false}, nullptr, {}, "12", true, "12,0", 12_cur},
    {"three decimals with separators", {3, 0_cur, 1000000_cur}, nullptr, {}, "1234,5", true, "1.234,500", 1234.5_cur},
    {"three decimals clamped to 1", {3, 0_cur, 1_cur}, nullptr, {}, "1,5", true, "1,000", 1_cur},
    {"clamped to the minimum", {2, 5_cur, 10_cur}, nullptr, {}, "3", true, "5,00", 5_cur},
    {"empty stays empty", {2, 0_cur, 1000_cur, true, 250_cur}, nullptr, {}, "\b", true, "", 250_cur},
    {"dots of a typed-over text", kAmount, "1.234.567", Selection{9, 0}, ",5", true, "1.000.000,00", 1000000_cur},
};

using Factory = std::function<TLxNumEdit*(QWidget*)>;

struct Kind {
    const char* name;
    Factory make;
};

const Kind kKinds[] = {
    {"TLxValueEdit", [](QWidget* p) -> TLxNumEdit* { return new TLxValueEdit(p); }},
    {"TLxValueLabEdit", [](QWidget* p) -> TLxNumEdit* { return new TLxValueLabEdit(p); }},
};

void Configure(TLxNumEdit* field, const Config& c)
{
    field->SetKommastellen(c.kommastellen);
    field->SetDezimalTrz(c.dezimalTrz);
    field->SetMaxValue(c.max);
    field->SetMinValue(c.min);
    if (c.start) field->SetValueDouble(*c.start);
}

}  // namespace

class ValueEditTest : public ControlsTest {};

TEST_F(ValueEditTest, TypingAndLeaving)
{
    ShowActive();
    for (const Kind& kind : kKinds) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
            std::unique_ptr<TLxNumEdit> field(kind.make(window.get()));
            field->setGeometry(150, 10, 120, 24);
            field->show();
            Configure(field.get(), c.config);
            if (c.initial != nullptr) field->setText(QString::fromUtf8(c.initial));
            Enter(field.get());
            ASSERT_TRUE(field->hasFocus());
            if (c.selection) field->setSelection(c.selection->start, c.selection->length);
            Type(field.get(), c.keys);
            if (c.leave) Leave();
            EXPECT_EQ(field->text().toStdString(), c.text);
            EXPECT_EQ(field->ValueDouble(), c.value);
        }
    }
    EXPECT_TRUE(boxTexts.isEmpty()) << boxTexts.join('|').toStdString();
}

// A text that denotes no number is reported on leaving; nothing else changes
// and the form's exit handler does not run.
TEST_F(ValueEditTest, TextThatIsNoNumberIsReportedOnLeaving)
{
    struct Bad {
        const char* keys;    // typed over the whole text
        const char* pasted;  // or set without a keystroke
        const char* message;
    };
    const Bad cases[] = {
        {"-", nullptr, "'-' ist kein gültiger Gleitkommawert"},
        {",", nullptr, "',' ist kein gültiger Gleitkommawert"},
        {"-,", nullptr, "'-,' ist kein gültiger Gleitkommawert"},
        {"99999999999999999999", nullptr, "'99999999999999999999' ist kein gültiger Gleitkommawert"},
        {nullptr, "12a", "'12a' ist kein gültiger Gleitkommawert"},
        {nullptr, "1.2.3.4.5.6", "'12345.6' ist kein gültiger Gleitkommawert"},  // a fifth dot stays
    };
    ShowActive();
    auto* field = new TLxValueLabEdit(window.get());
    field->setGeometry(150, 10, 120, 24);
    field->show();
    Configure(field, {2, -(1000000_cur), 1000000_cur, true, 5_cur});
    field->SetActiveColor(QColor(0xa6, 0xca, 0xf0));
    const QColor normal = field->Color();
    int exits = 0;
    field->OnExit = [&] { ++exits; };

    for (const Bad& c : cases) {
        SCOPED_TRACE(c.message);
        boxTexts.clear();
        boxTitles.clear();
        Enter(field);
        if (c.keys != nullptr) Type(field, c.keys);
        if (c.pasted != nullptr) field->setText(QString::fromUtf8(c.pasted));
        Leave();
        ASSERT_EQ(boxTexts.size(), 1);
        EXPECT_EQ(boxTexts.front().toStdString(), c.message);
        EXPECT_EQ(boxTitles.front(), QStringLiteral("RiVodozazavudidavaz"));
        // Its value again: entering and leaving once more says nothing.
        EXPECT_EQ(field->text(), QStringLiteral("5,00"));
        Enter(field);
        Leave();
        EXPECT_EQ(boxTexts.size(), 1);
        EXPECT_EQ(exits, 1);
        exits = 0;
        EXPECT_EQ(field->ValueDouble(), 5_cur);
        EXPECT_EQ(field->Color(), normal);
        EXPECT_EQ(exits, 0);
    }

    // The field goes on working; with a caption the message names it.
    Enter(field);
    Type(field, "7");
    Leave();
    EXPECT_EQ(field->text(), QStringLiteral("7,00"));
    EXPECT_EQ(exits, 1);
    field->setAccessibleName(QStringLiteral("Betrag:"));
    boxTexts.clear();
    Enter(field);
    Type(field, "-");
    Leave();
    EXPECT_EQ(boxTexts, QStringList{QStringLiteral("Betrag: '-' ist kein gültiger Gleitkommawert")});
    EXPECT_EQ(field->text(), QStringLiteral("7,00"));
}

TEST_F(ValueEditTest, KommastellenOutsideZeroToThreeRaisesTheControlsException)
{
    TLxValueEdit plain(window.get());
    plain.SetKommastellen(3);
    try {
        plain.SetKommastellen(5);
        ADD_FAILURE() << "no exception";
    } catch (const ValueEdit& e) {
        EXPECT_STREQ(e.what(), "\"5\" ist kein gültiger Wert (0 bis 3)");
    }
    EXPECT_EQ(plain.Kommastellen(), 2);

    TLxValueLabEdit labelled(window.get());
    try {
        labelled.SetKommastellen(-1);
        ADD_FAILURE() << "no exception";
    } catch (const ValueLabEdit& e) {
        EXPECT_STREQ(e.what(), "\"-1\" ist kein gültiger Wert (0 bis 3)");
    }
    EXPECT_EQ(labelled.Kommastellen(), 2);
    for (int k = 0; k <= 3; ++k) {
        labelled.SetKommastellen(k);
        EXPECT_EQ(labelled.Kommastellen(), k);
    }
}

TEST_F(ValueEditTest, NewFieldAndPropertySetters)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        std::unique_ptr<TLxNumEdit> f(kind.make(window.get()));
        EXPECT_EQ(f->text(), QStringLiteral("0,00"));
        EXPECT_EQ(f->Alignment(), taRightJustify);
        EXPECT_TRUE(f->alignment() & Qt::AlignRight);
        EXPECT_EQ(f->ValueDouble(), 0_cur);
        EXPECT_EQ(f->MinValue(), 0_cur);
        EXPECT_EQ(f->MaxValue(), 1000000_cur);
        EXPECT_EQ(f->Kommastellen(), 2);
        EXPECT_TRUE(f->DezimalTrz());
        EXPECT_TRUE(f->AutoSelect());

        f->SetValueDouble(350_cur);
        EXPECT_EQ(f->text(), QStringLiteral("350"));
        f->SetValueDouble(1.5_cur);
        EXPECT_EQ(f->text(), QStringLiteral("1,5"));

        f->SetValueDouble(31_cur);
        f->SetMaxValue(28_cur);
        EXPECT_EQ(f->ValueDouble(), 28_cur);
        EXPECT_EQ(f->text(), QStringLiteral("28"));

        f->SetMinValue(28_cur);  // at the maximum
        EXPECT_EQ(f->MinValue(), 27_cur);
        EXPECT_EQ(f->ValueDouble(), 28_cur);
        f->SetMaxValue(20_cur);  // below the minimum
        EXPECT_EQ(f->MaxValue(), 28_cur);
        EXPECT_EQ(f->ValueDouble(), 28_cur);

        f->SetMaxValue(2023_cur);
        f->SetMinValue(2005_cur);
        EXPECT_EQ(f->ValueDouble(), 2005_cur);
        EXPECT_EQ(f->text(), QStringLiteral("2005"));

        f->SetMinValue(-(1000000_cur));
        f->SetValueDouble(-(2.5_cur));
        EXPECT_EQ(f->text(), QStringLiteral("-2,5"));
    }
}
