// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "tools/WordPriorTable.h"

#include "data/DictionaryEntry.h"
#include "data/LinesFingerprint.h"
#include "data/TextLines.h"
#include "text/AsciiCase.h"
#include "text/Codepage1252.h"
#include "text/PlainLetter.h"
#include "text/WordCase.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace quillby::tools {

namespace {

// Zipf's law for the words of the language ranked by frequency: the word of rank k is written
// kZipfTop / k times per million ("the" makes about 6% of English text) through the core
// vocabulary, and beyond it the frequency falls with the square of the rank, as it does in large
// corpora. The core is taken as the words of the spelling lists' sizes up to kCoreSize, the
// words in common use.
constexpr double kZipfTop = 60000.0;
constexpr int kCoreSize = 20;
// The sense-tagged Brown texts: 186 texts of about 2,000 words with every open word tagged, and
// 166 more with only the verbs tagged, so that a verb's count is over 352 texts.
constexpr double kTaggedMillions = 186 * 2000.0 / 1e6;
constexpr double kVerbShare = 186.0 / 352.0;
// How many uses the spelling-list estimate is worth beside the counts: one, so that a count of a
// few uses outweighs it and a lemma the texts tag once or never stays near it.
constexpr double kListWeight = 1.0;
// An inflected form ("parts", "parted", "parting", "partly") is written about a quarter as often
// as its stem, a possessive ("part's") about a twentieth as often.
constexpr double kInflectedShare = 0.25;
constexpr double kPossessiveShare = 0.05;
// Stems shorter than this are not tried.
constexpr std::size_t kShortestStem = 3;
// An often misspelled word is more often the word meant behind a misspelling.
constexpr double kOftenMisspelled = 3.0;

struct Evidence {
    unsigned rank = 0;
    // How often the sense counts tag the word as a lemma, in uses of the tagged texts (verbs
    // scaled to the texts that tag every open word); negative when they never name it.
    double counted = -1.0;
    // The smallest spelling-list size that holds the word, 0 for none.
    int size = 0;
    // Only the British lists hold it: counts from American texts say nothing of it.
    bool britishOnly = false;
    bool oftenMisspelled = false;
    // The estimate of uses per million, all but the possessive and misspelling rules.
    double perMillion = 0.0;
};

// The spellings and kinds of SCOWL list read, and the largest size taken.
constexpr std::string_view kSpellings[] = {"english", "american", "british"};
constexpr std::string_view kKinds[] = {"words", "upper", "contractions", "abbreviations",
                                       "proper-names"};
constexpr int kLargestSize = 80;

// A word of a spelling list in Windows-1252, as it is listed.
std::string ListedWord(std::string_view utf8)
{
    return ToCp1252(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

// A word on plain letters, in lower case, as the Moby and Webster lists would write it ("Café"
// gives "cafe").
std::string PlainLower(std::string_view word)
{
    std::string plain(word);
    for (char &c : plain)
        c = AsciiLower(PlainLetter(c));
    return plain;
}

// The same word on plain letters, its case kept ("Asunción" gives "Asuncion").
std::string PlainLetters(std::string_view word)
{
    std::string plain(word);
    for (char &c : plain)
        c = PlainLetter(c);
    return plain;
}

// Calls `try_stem(stem, possessive)` with each word that the lower-case `word` may be a regular
// inflected form of: without "s", "ed", "d", "ing" or "ly", without "es" after s, x, z, ch, sh or
// o, with "y" for "ies" and "ied", with "e" for "ing", and without a doubled last consonant
// ("controlled", "planning"); and, as a possessive, without "'s".
template <typename TryStem> void ForEachStem(std::string_view word, TryStem try_stem)
{
    std::string stem;
    const auto tryCut = [&](std::size_t cut, std::string_view added) {
        if (word.size() < cut + kShortestStem)
            return;
        stem.assign(word.substr(0, word.size() - cut));
        stem += added;
        try_stem(stem, false);
        const std::size_t n = word.size() - cut;
        if (added.empty() && n >= kShortestStem + 1 && word[n - 1] == word[n - 2])
            try_stem(std::string_view(stem).substr(0, n - 1), false);
    };
    if (word.ends_with("'s")) {
        if (word.size() >= 2 + kShortestStem)
            try_stem(word.substr(0, word.size() - 2), true);
        return;
    }
    if (word.ends_with("ies") || word.ends_with("ied"))
        tryCut(3, "y");
    else if (word.ends_with("ses") || word.ends_with("xes") || word.ends_with("zes") ||
             word.ends_with("ches") || word.ends_with("shes") || word.ends_with("oes"))
        tryCut(2, "");
    if (word.ends_with("s") && !word.ends_with("ss"))
        tryCut(1, "");
    if (word.ends_with("ed")) {
        tryCut(2, "");
        // "based" from "base", but not "thed" from "the".
        if (word.size() > kShortestStem + 1)
            tryCut(1, "");
    }
    if (word.ends_with("ing")) {
        tryCut(3, "");
        tryCut(3, "e");
    }
    if (word.ends_with("ly"))
        tryCut(2, "");
}

// The next space-separated field of `rest`, which moves past it.
std::string_view NextField(std::string_view &rest)
{
    const std::size_t space = rest.find(' ');
    const std::string_view field = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    return field;
}

// How often each lemma the sense counts know is tagged, all its senses summed, in uses of the
// texts that tag every open word; the lemma in lower case, a space between the words of a
// phrase ("a cappella").
std::unordered_map<std::string, double> LemmaCounts(std::string_view senseCounts)
{
    std::unordered_map<std::string, double> counts;
    for (std::string_view line : TextLines(senseCounts)) {
        std::string_view rest = line;
        const std::string_view senseKey = NextField(rest);
        NextField(rest);
        const std::string_view countField = NextField(rest);
        const std::size_t percent = senseKey.find('%');
        unsigned count = 0;
        const auto [end, error] =
            std::from_chars(countField.data(), countField.data() + countField.size(), count);
        if (percent == std::string_view::npos || percent + 1 >= senseKey.size() ||
            error != std::errc())
            continue;
        // The synset type follows the "%": 2 for a verb.
        const bool verb = senseKey[percent + 1] == '2';
        std::string lemma = AsciiLower(senseKey.substr(0, percent));
        std::replace(lemma.begin(), lemma.end(), '_', ' ');
        counts[lemma] += verb ? count * kVerbShare : count;
    }
    return counts;
}

// Where the spelling lists hold a word: the smallest size, and whether only British lists do.
struct Listed {
    int size = 0;
    bool britishOnly = true;
};

// Where the spelling lists hold each of their words, as PlainLower writes it.
std::unordered_map<std::string, Listed> SpellingSizes(const std::vector<SpellingList> &lists)
{
    std::unordered_map<std::string, Listed> sizes;
    for (const SpellingList &list : lists) {
        for (std::string_view line : TextLines(list.text)) {
            if (line.empty())
                continue;
            const auto [found, added] =
                sizes.try_emplace(PlainLower(ListedWord(line)), Listed{list.size});
            Listed &listed = found->second;
            listed.size = std::min(listed.size, list.size);
            listed.britishOnly = listed.britishOnly && list.british;
        }
    }
    return sizes;
}

// How a word of the table is a known spelling: listed in lower case, or with capitals of its own
// in these ways.
struct KnownForms {
    bool lower = false;
    std::set<std::string> capitals;
};

// The known spellings of the spelling lists by the table's word (ASCII lower case), with their
// diacritics and, with `plainToo`, on plain letters.
std::map<std::string, KnownForms, std::less<>>
KnownSpellings(const std::vector<SpellingList> &lists, bool plainToo)
{
    std::map<std::string, KnownForms, std::less<>> known;
    const auto add = [&known](const std::string &word) {
        KnownForms &forms = known[AsciiLower(word)];
        if (CaseOf(word) == WordCase::Lower)
            forms.lower = true;
        else
            forms.capitals.insert(word);
    };
    for (const SpellingList &list : lists) {
        if (list.size > kKnownSpellingSize)
            continue;
        for (std::string_view line : TextLines(list.text)) {
            if (line.empty())
                continue;
            const std::string word = ListedWord(line);
            add(word);
            if (const std::string plain = PlainLetters(word); plainToo && plain != word)
                add(plain);
        }
    }
    return known;
}

// The table's spellings field of a word.
std::string SpellingsField(const KnownForms *forms)
{
    if (!forms)
        return "-";
    if (forms->lower)
        return "k";
    std::string field;
    for (const std::string &form : forms->capitals)
        field += (field.empty() ? "" : " ") + form;
    return field;
}

// Zipf's law over ranks: the frequency, in uses per million, whose logarithm is the mean of
// the law's over the ranks after `before` up to `through`.
class ZipfLaw {
public:
    explicit ZipfLaw(double coreRanks)
        : core_(std::max(coreRanks, 1.0))
    {
    }

    double Over(double before, double through) const
    {
        return std::exp((LogSum(through) - LogSum(before)) / (through - before));
    }

private:
    // The integral of the law's logarithm over the ranks up to `rank`.
    double LogSum(double rank) const
    {
        const auto xLogX = [](double x) { return x > 0 ? x * std::log(x) : 0.0; };
        const double inCore = std::min(rank, core_);
        double sum = inCore * std::log(kZipfTop) - (xLogX(inCore) - inCore);
        if (rank > core_) {
            // log f = log(kZipfTop * core) - 2 log k beyond the core.
            sum += (rank - core_) * std::log(kZipfTop * core_) -
                   2 * ((xLogX(rank) - rank) - (xLogX(core_) - core_));
        }
        return sum;
    }

    double core_;
};

// The estimate for each spelling-list size, and under key 0 for the words beyond every list:
// `unlisted` of them. The words a size adds take the next ranks, after those of the smaller
// sizes; the unlisted words take the ranks after all of them.
std::map<int, double> SizeEstimates(const std::unordered_map<std::string, Listed> &sizes,
                                    std::size_t unlisted)
{
    std::map<int, double> wordsOfSize;
    for (const auto &[word, listed] : sizes)
        ++wordsOfSize[listed.size];
    double coreRanks = 0;
    for (const auto &[size, count] : wordsOfSize)
        coreRanks += size <= kCoreSize ? count : 0;
    const ZipfLaw zipf(coreRanks);
    std::map<int, double> estimates;
    double ranked = 0;
    for (const auto &[size, count] : wordsOfSize) {
        estimates[size] = zipf.Over(ranked, ranked + count);
        ranked += count;
    }
    estimates[0] = zipf.Over(ranked, ranked + std::max<double>(static_cast<double>(unlisted), 1));
    return estimates;
}

// The natural logarithm of uses per million, in hundredths.
std::string LogNumber(double perMillion)
{
    return std::to_string(std::lround(100 * std::log(perMillion)));
}

} // namespace

std::optional<int> SpellingListSize(std::string_view fileName)
{
    const std::size_t dash = fileName.find('-');
    const std::size_t dot = fileName.rfind('.');
    if (dash == std::string_view::npos || dot == std::string_view::npos || dot < dash)
        return std::nullopt;
    const std::string_view spelling = fileName.substr(0, dash);
    const std::string_view kind = fileName.substr(dash + 1, dot - dash - 1);
    const std::string_view sizeText = fileName.substr(dot + 1);
    int size = 0;
    const auto [end, error] =
        std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
    if (error != std::errc() || end != sizeText.data() + sizeText.size() || size > kLargestSize)
        return std::nullopt;
    const auto among = [](const auto &names, std::string_view value) {
        return std::find(std::begin(names), std::end(names), value) != std::end(names);
    };
    if (!among(kSpellings, spelling) || !among(kKinds, kind))
        return std::nullopt;
    return size;
}

std::string MakePriorTable(const PriorSources &sources)
{
    // Every word of the lists, in lower case, with what the sources tell of it.
    std::map<std::string, Evidence, std::less<>> words;
    for (std::string_view word : TextLines(sources.wordList))
        words.try_emplace(AsciiLower(word));
    for (const std::string &text : sources.websterLists) {
        for (std::string_view line : TextLines(text))
            words.try_emplace(AsciiLower(SplitDictionaryLine(line).word));
    }
    const std::map<std::string, KnownForms, std::less<>> spellings =
        KnownSpellings(sources.spellingLists, true);
    for (const auto &[word, forms] : spellings)
        words.try_emplace(word);
    words.erase(std::string());

    const auto known = [&words](std::string_view word) -> Evidence * {
        const auto found = words.find(word);
        return found == words.end() ? nullptr : &found->second;
    };
    for (std::string_view word : TextLines(sources.oftenMisspelled)) {
        if (Evidence *evidence = known(AsciiLower(word)))
            evidence->oftenMisspelled = true;
    }
    const TextLines frequent(sources.frequentWords);
    unsigned rank = 0;
    // The heading and the empty line after it come first.
    for (std::size_t i = 2; i < frequent.size(); ++i) {
        if (frequent[i].empty())
            continue;
        ++rank;
        Evidence *evidence = known(AsciiLower(frequent[i]));
        if (evidence && evidence->rank == 0)
            evidence->rank = rank;
    }
    for (const auto &[lemma, count] : LemmaCounts(sources.senseCounts)) {
        if (Evidence *evidence = known(lemma))
            evidence->counted = count;
    }
    const std::unordered_map<std::string, Listed> sizes = SpellingSizes(sources.spellingLists);
    std::size_t unlisted = 0;
    for (auto &[word, evidence] : words) {
        if (const auto found = sizes.find(PlainLower(word)); found != sizes.end()) {
            evidence.size = found->second.size;
            evidence.britishOnly = found->second.britishOnly;
        } else {
            ++unlisted;
        }
    }
    const std::map<int, double> sizeEstimates = SizeEstimates(sizes, unlisted);

    // What the sense counts tell of a word: its own count as a lemma, or a share of its stem's.
    const auto counted = [&known](std::string_view word, const Evidence &evidence) {
        double count = evidence.counted;
        ForEachStem(word, [&](std::string_view stem, bool possessive) {
            const Evidence *stemEvidence = known(stem);
            if (stemEvidence && stemEvidence->counted > 0)
                count = std::max(count, (possessive ? kPossessiveShare : kInflectedShare) *
                                            stemEvidence->counted);
        });
        return count;
    };
    for (auto &[word, evidence] : words) {
        // The spelling lists' estimate, taken as kListWeight uses seen in as many words of text as
        // that rate needs, pooled with what the tagged texts saw.
        const double listed = sizeEstimates.at(evidence.size);
        double perMillion = listed;
        if (const double count = counted(word, evidence); count >= 0 && !evidence.britishOnly)
            perMillion = (count + kListWeight) / (kTaggedMillions + kListWeight / listed);
        if (evidence.rank > 0)
            perMillion = std::max(perMillion, kZipfTop / evidence.rank);
        evidence.perMillion = perMillion;
    }
    const std::string unknown = LogNumber(sizeEstimates.at(0));
    std::string table = "\t" + unknown + "\t-\n";
    for (const auto &[word, evidence] : words) {
        double perMillion = evidence.perMillion;
        // The lists give a possessive the size of its word, which tells nothing of how often
        // the possessive itself is written.
        if (word.ends_with("'s")) {
            if (const Evidence *stem = known(std::string_view(word).substr(0, word.size() - 2)))
                perMillion = std::min(perMillion, kPossessiveShare * stem->perMillion);
        }
        if (evidence.oftenMisspelled)
            perMillion *= kOftenMisspelled;
        const std::string number = LogNumber(perMillion);
        const auto forms = spellings.find(word);
        const KnownForms *known = forms == spellings.end() ? nullptr : &forms->second;
        if (number == unknown && !known)
            continue;
        table += word + '\t' + number + '\t' + SpellingsField(known) + '\n';
    }
    return table;
}

std::string MakeWordListPriors(std::string_view table, std::string_view wordList)
{
    // The two bytes of each word of the table, and of every other word.
    std::unordered_map<std::string_view, std::uint16_t> entries;
    std::uint16_t unknown = 0;
    // The lines are views into a copy of the table, kept as long as the views are.
    const TextLines tableLines(table);
    for (std::string_view line : tableLines) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        std::string_view rest = line.substr(tab + 1);
        int logarithm = 0;
        const auto [end, error] =
            std::from_chars(rest.data(), rest.data() + rest.size(), logarithm);
        const std::string_view spellings(end, rest.data() + rest.size() - end);
        const bool known = spellings != "\t-";
        const bool ownCapitals = known && spellings != "\tk";
        const auto value =
            static_cast<std::uint16_t>(logarithm * 4 + (ownCapitals ? 2 : 0) + (known ? 1 : 0));
        if (tab == 0)
            unknown = value;
        else
            entries.emplace(line.substr(0, tab), value);
    }
    // The list's fingerprint first, then two bytes a line.
    std::string priors(LinesFingerprint::kBytes, '\0');
    LinesFingerprint fingerprint;
    for (std::string_view word : TextLines(wordList)) {
        fingerprint.Add(word);
        const auto found = entries.find(AsciiLower(word));
        const std::uint16_t value = found == entries.end() ? unknown : found->second;
        priors.push_back(static_cast<char>(value & 0xFF));
        priors.push_back(static_cast<char>(value >> 8));
    }
    for (std::size_t i = 0; i < LinesFingerprint::kBytes; ++i)
        priors[i] = static_cast<char>((fingerprint.Value() >> (8 * i)) & 0xFF);
    return priors;
}

std::string MakeAddedWords(const PriorSources &sources, std::string_view table)
{
    std::unordered_set<std::string> inList;
    LinesFingerprint fingerprint;
    for (std::string_view word : TextLines(sources.wordList)) {
        fingerprint.Add(word);
        inList.insert(AsciiLower(word));
    }
    // The logarithm of each word of the table, as it is written there.
    std::unordered_map<std::string_view, std::string_view> logarithms;
    const TextLines tableLines(table);
    for (std::string_view line : tableLines) {
        const std::size_t tab = line.find('\t');
        const std::size_t next = line.find('\t', tab + 1);
        if (tab != std::string_view::npos && tab > 0)
            logarithms.emplace(line.substr(0, tab), line.substr(tab + 1, next - tab - 1));
    }
    std::string added(LinesFingerprint::kBytes, '\0');
    for (std::size_t i = 0; i < LinesFingerprint::kBytes; ++i)
        added[i] = static_cast<char>((fingerprint.Value() >> (8 * i)) & 0xFF);
    for (const auto &[word, forms] : KnownSpellings(sources.spellingLists, false)) {
        const auto logarithm = logarithms.find(word);
        if (inList.count(word) || logarithm == logarithms.end())
            continue;
        const auto addLine = [&](std::string_view spelling) {
            (((added += spelling) += '\t') += logarithm->second) += '\n';
        };
        if (forms.lower)
            addLine(word);
        else
            std::for_each(forms.capitals.begin(), forms.capitals.end(), addLine);
    }
    return added;
}

} // namespace quillby::tools
