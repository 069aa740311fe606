// libFuzzer target: person, generation and header templates with arbitrary text and arbitrary
// names never crash, and a label grows only with what the template itself asks for.
#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include <QDateTime>
#include <QLocale>

#include "app/footnotes.h"
#include "app/generation_label.h"
#include "app/headline.h"
#include "app/image_settings.h"
#include "app/person_label.h"
#include "calc/calc_class.h"
#include "data/ahnen_data.h"
#include "data/example_family.h"

namespace {

constexpr size_t kMaxField = 200;
// Room for one value per template byte: the longest field, a metric or a Kekule-number list.
constexpr size_t kRoomPerByte = kMaxField * 4 + 1000;

// One person of the example family gets its texts from the input.
void FillPerson(qv::TAhnenData& data, int64_t person, FuzzedDataProvider& input)
{
    qv::TPerson& p = data.Persons[person];
    for (std::string* field : {&p.Surname, &p.GivenNames, &p.Id, &p.Birth.Date, &p.Birth.Place,
                               &p.Death.Date, &p.Death.Place, &p.Christening.Date,
                               &p.Christening.Place, &p.Burial.Date, &p.Burial.Place})
        *field = input.ConsumeRandomLengthString(kMaxField);
}

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    static const qv::TAhnenData example = qv::LoadExampleFamily("");
    FuzzedDataProvider input(bytes, size);
    qv::TAhnenData data = example;
    const auto count = static_cast<int64_t>(data.Persons.size());
    int64_t person = input.ConsumeIntegralInRange<int64_t>(0, count - 1);
    FillPerson(data, person, input);
    data.FileName = input.ConsumeRandomLengthString(kMaxField);
    qv::TImageSettings settings;
    settings.ProbandIndex = input.ConsumeIntegralInRange<int64_t>(-1, count - 1);
    settings.Tree.FootnoteThreshold = input.ConsumeIntegralInRange<int32_t>(0, 5);
    settings.Tree.LabelsQuestionMark = input.ConsumeBool();
    bool footnoteMode = input.ConsumeBool(), questionMarks = input.ConsumeBool();
    int64_t generation = input.ConsumeIntegralInRange<int64_t>(-70, 70);
    std::string templateText = input.ConsumeRemainingBytesAsString();
    const size_t limit = (templateText.size() + 1) * kRoomPerByte;

    qv::TCalcClass calc(data);
    qv::TFootNotes footnotes;
    std::string label = qv::ExpandPersonLabel(data, calc, person, settings, templateText,
                                              footnoteMode, questionMarks, footnotes);
    Check(label.size() <= limit);
    qv::TArrayOfString lines = {templateText};
    for (const std::string& line : qv::ExpandGenerationLabel(generation, lines, calc))
        Check(line.size() <= limit);
    const QDateTime moment(QDate(2024, 2, 29), QTime(23, 59, 58));
    std::string headline = qv::ExpandHeadline(lines, data, settings, qv::HeadlineKind::TreeChart,
                                              moment, QLocale(QLocale::German, QLocale::Germany));
    Check(headline.size() <= limit);
    return 0;
}
