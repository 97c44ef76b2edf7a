#include "FieldTransfer.h"

#include "FieldCatalogue.h"
#include "FieldTie.h"

namespace {

enum class Judgement { Holds, Carry, Refuse };

// A tie is judged only where the change touches it: what an image brought
// with it from elsewhere is not the change's to mend.
Judgement judge(const FieldTie& tie, const ConfigImage& before, const ConfigImage& after,
                const QList<const CatalogueField*>& fields)
{
    const bool leaderChanged = tie.leader->bytesOf(after) != tie.leader->bytesOf(before);
    const bool followerChanged = tie.governed(after) != tie.governed(before);
    if (!leaderChanged && !followerChanged)
        return Judgement::Holds;
    // A follower that was given its own value before keeps it, as the pages do.
    if (tie.kind == FieldTie::Kind::Copied && !tie.holds(before))
        return Judgement::Holds;
    if (tie.holds(after))
        return Judgement::Holds;
    if (leaderChanged && !fields.contains(tie.follower))
        return Judgement::Carry;
    return tie.kind == FieldTie::Kind::Copied ? Judgement::Holds : Judgement::Refuse;
}

} // namespace

FieldTransfer::Result FieldTransfer::take(const ConfigImage& target, const ConfigImage& source,
                                          const QList<const CatalogueField*>& fields, bool answerYes)
{
    Result result{target, {}, nullptr, {}};
    for (const CatalogueField* field : fields)
        result.image.setChars(field->layoutField(), field->bytesOf(source));
    for (const FieldTie& tie : FieldTie::all()) {
        switch (judge(tie, target, result.image, fields)) {
        case Judgement::Holds: break;
        case Judgement::Carry:
            tie.carry(result.image);
            result.carried.append(&tie);
            break;
        case Judgement::Refuse: result.brokenTie = &tie; return result;
        }
    }
    result.verdict = ImageChecks::ofImage(result.image, answerYes);
    return result;
}
