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

situation::Result<Answer> answer(const Request& request) {
  if (request.advisory) {
    auto formed = advisory_situation::situation_from_advisory(*request.advisory, request.situation);
    if (!formed.ok()) return formed.error();
    advisory_situation::AdvisedSituation& from = formed.value();
    Answer a = advised(std::move(from.situation));
    a.advisory = AdvisoryProvenance{std::move(from.advised), std::move(from.keep_source),
                                    from.fix_age_hours};
    return a;
  }
  situation::Result<situation::Situation> formed = situation::form_situation(request.situation);
  if (!formed.ok()) return formed.error();
  return advised(std::move(formed.value()));
}

}  // namespace hurricane::answer
