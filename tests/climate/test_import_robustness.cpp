// Mutated source files: the import never crashes and touches the database
// only when it reports success.
#include "climate/CommaText.h"
#include "climate/ImportSteps.h"
#include "climate/TextFile.h"

#include "EpwTestSupport.h"
#include "ImportFixture.h"

#include <random>

namespace {

using Lines = std::vector<std::string>;

// Truncations, flipped bytes, bytes the rules care about, and lines or
// fields removed, doubled or blanked.
class Mutator {
public:
    explicit Mutator(unsigned seed) : rng_(seed) {}

    std::string mutate(std::string bytes) {
        const int kind = pick(0, 7);
        if (bytes.empty()) {
            return bytes;
        }
        if (kind == 0) {
            bytes.resize(static_cast<std::size_t>(pick(0, static_cast<int>(bytes.size()))));
        } else if (kind == 1) {
            for (int n = pick(1, 3); n > 0; --n) {
                bytes[at(bytes.size())] ^= static_cast<char>(1 << pick(0, 7));
            }
        } else if (kind == 2) {
            static const char special[] = {',', '"', '\r', '\n', '\0', ' ', '\t', '-', '.'};
            bytes[at(bytes.size())] = special[at(sizeof special)];
        } else {
            Lines lines = climate::splitLines(bytes);
            if (lines.empty()) {
                return bytes;
            }
            const auto line = lines.begin() + static_cast<std::ptrdiff_t>(at(lines.size()));
            Lines fields = climate::SplitCommaText(*line);
            const auto field = fields.begin() + static_cast<std::ptrdiff_t>(at(fields.size() + 1));
            if (kind == 3) {
                lines.erase(line);
            } else if (kind == 4) {
                lines.insert(line, std::string(*line));
            } else if (kind == 5) {
                lines.insert(line, "");
            } else if (field != fields.end()) {
                if (kind == 6) {
                    fields.erase(field);
                } else {
                    fields.insert(field, std::string(*field));
                }
                *line = climate::JoinCommaText(fields);
            }
            bytes = joinCrLf(lines);
        }
        return bytes;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::size_t at(std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(rng_);
    }

    std::mt19937 rng_;
};

using ImportRobustness = ImportFixture;

TEST_F(ImportRobustness, MutatedSourcesNeverHalfWriteTheDatabase) {
    const auto year = climate::defaultSeasonStartTexts();
    // Most mutations of a year's lines break its order and are refused at
    // once; those of its values go on to a write.
    const struct {
        const char* name;
        std::string original;
        climate::SeasonStartTexts starts;
        int rounds;
        int mutations;
        int minSuccesses;
    } cases[] = {
        {"a year", sourceBytes({}), year, 90, 3, 10},
        {"an EPW year", epwBytes({}), year, 24, 1, 1},
    };
    Mutator mutator(2024);
    for (const auto& c : cases) {
        int successes = 0;
        for (int round = 0; round < c.rounds; ++round) {
            std::string bytes = c.original;
            for (int n = round % c.mutations + 1; n > 0; --n) {
                bytes = mutator.mutate(bytes);
            }
            SCOPED_TRACE(testing::Message() << c.name << ", round " << round);
            const auto before = database();
            notifier.notices.clear();
            notifier.answers = {true};
            session.activate();
            if (!import(writeSource(bytes), c.starts)) {
                ASSERT_EQ(database(), before);
                ASSERT_FALSE(notifier.texts().join('|').contains("incluso com sucesso!"));
                continue;
            }
            // Added: listed once, with its wind file whole.
            ++successes;
            ASSERT_EQ(notifier.notices.back().text, session.cityName() + " incluso com sucesso!");
            const Lines index = climate::splitLines(readAll(climate::indexPath(base())));
            ASSERT_EQ(climate::findCityLines(index, session.cityNameBytes()).size(), 1u);
            const QString wind = climate::cityFilePath(
                base(), climate::windFileName(climate::FileKey(session.cityNameBytes())));
            ASSERT_EQ(climate::splitLines(readAll(wind)).size(), 20u);
        }
        EXPECT_GE(successes, c.minSuccesses) << c.name;
    }
}

}  // namespace
