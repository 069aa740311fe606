// Generation by generation: each generation's persons pair up (mostly with an unrelated
// partner, sometimes with a cousin), and each couple has children in the next generation.
#include "generated_family.h"

#include <random>
#include <vector>

namespace qv::bench {
namespace {

constexpr const char* kSurnames[] = {"Müller", "Schäfer", "Weiß", "Böhm", "Krüger", "Jäger",
                                     "Köhler", "Hoffmann", "Schröder", "Zöllner"};
constexpr const char* kGiven[] = {"Anna", "Jürgen", "Käthe", "Otto", "Luise", "Günter",
                                  "Sophie", "Paul", "Marie", "Karl", "Ursula", "Heinz"};
constexpr const char* kPlaces[] = {"Görlitz", "Bautzen", "Zittau", "Dresden", "Leipzig"};

struct Person {
    int64_t parentFamily = -1;
    bool male = false;
};

struct Family {
    int64_t husband = -1;
    int64_t wife = -1;
    std::vector<int64_t> children;
};

// Sparse records, as most real files are: about 110 bytes per person in all.
void WritePerson(std::string& out, int64_t i, const Person& p, std::mt19937& random)
{
    int year = 1500 + static_cast<int>(i / 400);
    out += "0 @I" + std::to_string(i + 1) + "@ INDI\n1 NAME " + kGiven[random() % 12] + " /" +
           kSurnames[random() % 10] + "/\n1 SEX " + (p.male ? "M" : "F") + "\n1 BIRT\n2 DATE " +
           std::to_string(year) + "\n";
    if (i % 5 == 0) out += std::string("2 PLAC ") + kPlaces[random() % 5] + "\n";
    if (p.parentFamily >= 0) out += "1 FAMC @F" + std::to_string(p.parentFamily + 1) + "@\n";
    if (i % 6 == 0) out += "1 DEAT\n2 DATE " + std::to_string(year + 60) + "\n";
}

void WriteFamily(std::string& out, int64_t i, const Family& f)
{
    out += "0 @F" + std::to_string(i + 1) + "@ FAM\n";
    if (f.husband >= 0) out += "1 HUSB @I" + std::to_string(f.husband + 1) + "@\n";
    if (f.wife >= 0) out += "1 WIFE @I" + std::to_string(f.wife + 1) + "@\n";
    for (int64_t c : f.children) out += "1 CHIL @I" + std::to_string(c + 1) + "@\n";
}

}  // namespace

std::string GeneratedGedcom(int64_t count)
{
    // Generations of kWidth persons: even places are men, odd places women. Each man marries
    // one of the next three women; children draw a random couple of the generation before,
    // so the closed population collapses its pedigrees quickly.
    constexpr int64_t kWidth = 400;
    std::mt19937 random(20261209);
    std::vector<Person> persons(count);
    std::vector<Family> families;
    for (int64_t start = 0; start + kWidth <= count; start += kWidth) {
        for (int64_t man = start; man < start + kWidth; man += 2) {
            int64_t woman = std::min(man + 1 + 2 * static_cast<int64_t>(random() % 3),
                                     start + kWidth - 1);
            persons[man].male = true;
            families.push_back({man, woman, {}});
        }
    }
    for (int64_t i = kWidth; i < count; ++i) {
        int64_t generation = i / kWidth;
        int64_t f = (generation - 1) * (kWidth / 2) + static_cast<int64_t>(random() % (kWidth / 2));
        persons[i].parentFamily = f;
        families[f].children.push_back(i);
    }
    std::string out = "\xEF\xBB\xBF" "0 HEAD\n1 CHAR UTF-8\n";
    out.reserve(static_cast<size_t>(count) * 120);
    for (int64_t i = 0; i < count; ++i) WritePerson(out, i, persons[i], random);
    for (size_t i = 0; i < families.size(); ++i) WriteFamily(out, static_cast<int64_t>(i), families[i]);
    return out + "0 TRLR\n";
}

}  // namespace qv::bench
