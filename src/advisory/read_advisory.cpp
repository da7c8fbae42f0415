#include "advisory/read_advisory.h"

#include <algorithm>

#include "advisory/atcf.h"
#include "advisory/feed.h"
#include "advisory/jtwc.h"
#include "advisory/storm_choice.h"
#include "advisory/tcm.h"
#include "advisory/text_lines.h"

namespace hurricane::advisory {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A TCM found in a text: which text and where in it.
struct Candidate {
  const std::vector<TextLine>* lines = nullptr;
  TcmStart start;
};

// One of the TCMs found, as `options` choose; `where` names the input in errors.
Result<Storm> read_chosen(const std::vector<Candidate>& candidates, const ReadOptions& options,
                          SourceForm form, std::string_view where) {
  std::vector<std::string> ids;
  for (const Candidate& candidate : candidates) {
    // A TCM without a readable storm id cannot be told apart: reading it names the fault.
    if (candidate.start.id.empty()) {
      return read_tcm(*candidate.lines, candidate.start.title_index, form);
    }
    ids.push_back(candidate.start.id);
  }
  const Result<std::string> choice = choose_storm(ids, options.storm_id, where);
  const Candidate& first = candidates.front();
  if (!choice.ok()) {
    return error_at((*first.lines)[first.start.title_index], choice.error());
  }
  for (const Candidate& candidate : candidates) {
    if (candidate.start.id == choice.value()) {
      return read_tcm(*candidate.lines, candidate.start.title_index, form);
    }
  }
  return error_at_line(1,
                       "no storm " + choice.value());  // not reached: the choice is among the ids
}

Result<Storm> read_feed(std::string_view bytes, const ReadOptions& options) {
  const std::vector<std::vector<TextLine>> descriptions = feed_descriptions(bytes);
  std::vector<Candidate> candidates;
  for (const std::vector<TextLine>& lines : descriptions) {
    for (TcmStart& start : find_tcms(lines)) candidates.push_back({&lines, std::move(start)});
  }
  if (candidates.empty()) {
    return error_at_line(
        1,
        "expected an item with a forecast/advisory (a title `... FORECAST/ADVISORY "
        "NUMBER nn`) in the feed; there is none");
  }
  return read_chosen(candidates, options, SourceForm::kRssFeed, "the feed");
}

}  // namespace

Result<Storm> read_advisory(std::string_view bytes, const ReadOptions& options) {
  if (bytes.size() > kMaxInputBytes) {
    return error_at_line(1,
                         "the input is larger than 4 MiB; an advisory is a few KiB and a track "
                         "file some hundred");
  }
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && bytes[first] == '<') return read_feed(bytes, options);

  const std::vector<TextLine> lines = split_lines(bytes);
  for (const TextLine& line : lines) {
    if (trim(line.text).empty()) continue;
    if (looks_like_atcf(line.text)) return read_atcf(lines, options.storm_id);
    break;
  }
  std::vector<Candidate> candidates;
  for (TcmStart& start : find_tcms(lines)) candidates.push_back({&lines, std::move(start)});
  if (candidates.empty()) {
    if (const std::optional<std::size_t> start = find_jtwc(lines)) return read_jtwc(lines, *start);
    return error_at_line(1,
                         "expected a forecast/advisory (a title line `... FORECAST/ADVISORY "
                         "NUMBER nn`), a JTWC warning (`WTPN32 PGTW 310900`), an NHC RSS feed or "
                         "ATCF records");
  }
  return read_chosen(candidates, options, SourceForm::kTcm, "the text");
}

std::vector<std::string> tcm_storm_ids(std::string_view bytes) {
  if (bytes.size() > kMaxInputBytes) return {};
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::vector<std::vector<TextLine>> texts;
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && bytes[first] == '<') {
    texts = feed_descriptions(bytes);
  } else {
    texts.push_back(split_lines(bytes));
  }
  std::vector<std::string> ids;
  for (const std::vector<TextLine>& lines : texts) {
    for (const TcmStart& start : find_tcms(lines)) {
      if (start.id.empty()) continue;
      if (std::find(ids.begin(), ids.end(), start.id) == ids.end()) ids.push_back(start.id);
    }
  }
  return ids;
}

}  // namespace hurricane::advisory
