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

class Mutator {
public:
    explicit Mutator(unsigned seed) : rng_(seed) {}

    std::string mutate(std::string bytes) {
        const int kind = pick(0, 7);
        if (bytes.empty()) {
            return bytes;
        }
        switch (kind) {
            case 0:  // truncation
                bytes.resize(static_cast<std::size_t>(pick(0, static_cast<int>(bytes.size()))));
                return bytes;
            case 1:  // flipped bytes
                for (int n = pick(1, 3); n > 0; --n) {
                    bytes[at(bytes.size())] ^= static_cast<char>(1 << pick(0, 7));
                }
                return bytes;
            case 2: {  // a byte the rules care about
                static const char special[] = {',', '"', '\r', '\n', '\0', ' ', '\t', '-', '.'};
                bytes[at(bytes.size())] = special[at(sizeof special)];
                return bytes;
            }
            default:
                return mutateLines(bytes, kind);
        }
    }

private:
    std::string mutateLines(const std::string& bytes, int kind) {
        Lines lines = climate::splitLines(bytes);
        if (lines.empty()) {
            return bytes;
        }
        const std::size_t line = at(lines.size());
        switch (kind) {
            case 3:  // a line removed
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
                break;
            case 4:  // a line doubled
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line), lines[line]);
                break;
            case 5:  // a blank line
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line), "");
                break;
            default: {  // a field removed or doubled
                Lines fields = climate::SplitCommaText(lines[line]);
                if (!fields.empty()) {
                    const auto field = static_cast<std::ptrdiff_t>(at(fields.size()));
                    if (kind == 6) {
                        fields.erase(fields.begin() + field);
                    } else {
                        fields.insert(fields.begin() + field,
                                      fields[static_cast<std::size_t>(field)]);
                    }
                    lines[line] = climate::JoinCommaText(fields);
                }
            }
        }
        return joinCrLf(lines);
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::size_t at(std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(rng_);
    }

    std::mt19937 rng_;
};

class ImportRobustness : public ImportFixture {
protected:
    // Imports the bytes, then checks that the database changed exactly when
    // the import said it succeeded.
    void importAndCheck(const std::string& bytes, const climate::SeasonStartTexts& starts,
                        int round) {
        const auto before = database();
        notifier.notices.clear();
        notifier.answers = {true};
        session.activate();
        const bool added = import(writeSource(bytes), starts);
        const auto after = database();
        if (!added) {
            ASSERT_EQ(after, before) << "round " << round;
            for (const auto& n : notifier.notices) {
                ASSERT_FALSE(n.text.endsWith("incluso com sucesso!")) << "round " << round;
            }
            return;
        }
        ++successes;
        ASSERT_EQ(notifier.notices.back().text, session.cityName() + " incluso com sucesso!");
        const Lines index = climate::splitLines(readAll(climate::indexPath(base())));
        ASSERT_EQ(climate::findCityLines(index, session.cityNameBytes()).size(), 1u)
            << "round " << round;
        const std::string key = climate::FileKey(session.cityNameBytes());
        ASSERT_EQ(
            climate::splitLines(readAll(climate::cityFilePath(base(), climate::windFileName(key))))
                .size(),
            20u)
            << "round " << round;
    }

    int successes = 0;
};

TEST_F(ImportRobustness, MutatedShortSourcesNeverHalfWriteTheDatabase) {
    SourceOptions options;
    options.days = 4;
    const std::string original = sourceBytes(options);
    // Starts within the four days.
    climate::SeasonStartTexts starts{
        {{"1", "1", "5"}, {"2", "1", "3"}, {"3", "1", "7"}, {"4", "1", "10"}}};
    Mutator mutator(2024);
    for (int round = 0; round < 400; ++round) {
        std::string bytes = original;
        for (int n = round % 3 + 1; n > 0; --n) {
            bytes = mutator.mutate(bytes);
        }
        importAndCheck(bytes, starts, round);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(successes, 40) << successes;  // many mutations leave an importable file
}

TEST_F(ImportRobustness, MutatedYearSourcesNeverHalfWriteTheDatabase) {
    const std::string original = sourceBytes({});
    Mutator mutator(77);
    for (int round = 0; round < 24; ++round) {
        importAndCheck(mutator.mutate(original), climate::defaultSeasonStartTexts(), round);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(successes, 0) << successes;
}

TEST_F(ImportRobustness, MutatedEpwYearsNeverHalfWriteTheDatabase) {
    const std::string original = epwBytes({});
    Mutator mutator(1952);
    for (int round = 0; round < 24; ++round) {
        importAndCheck(mutator.mutate(original), climate::defaultSeasonStartTexts(), round);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(successes, 0) << successes;
}

}  // namespace
