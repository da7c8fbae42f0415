#include "answer/answer.h"

#include <utility>

namespace hurricane::answer {

namespace {

Answer advised(situation::Situation situation) {
  Answer a;
  a.advice = analysis::advise(analysis::round_values(situation.answers), situation.hemisphere);
  a.situation = std::move(situation);
  return a;
}

}  // namespace

std::variant<Answer, Failure> answer(const Request& request) {
  if (request.advisory) {
    auto formed = advisory_situation::situation_from_advisory(*request.advisory, request.situation);
    if (auto* failure = std::get_if<Failure>(&formed)) return std::move(*failure);
    auto& from = std::get<advisory_situation::AdvisedSituation>(formed);
    Answer a = advised(std::move(from.situation));
    a.advisory = AdvisoryProvenance{std::move(from.advised), std::move(from.keep_source),
                                    from.fix_age_hours};
    return a;
  }
  situation::Result<situation::Situation> formed = situation::form_situation(request.situation);
  if (!formed.ok()) return Failure{formed.error(), 0};
  return advised(formed.value());
}

}  // namespace hurricane::answer
