#pragma once

#include "ConfigImage.h"
#include "ImageChecks.h"

#include <QList>

struct CatalogueField;
struct FieldTie;

// Chosen fields of one image taken into another, as a template is applied or
// a compare's ticked differences are taken: the fields tied to them are
// changed along with them or the change is refused, and the result must pass
// the checks of "Записать". Both front ends change images through this.
class FieldTransfer final {
public:
    struct Result {
        ConfigImage image;                 // the target with the fields taken and those carried along
        QList<const FieldTie*> carried;    // ties whose follower changed along with its leader
        const FieldTie* brokenTie = nullptr;   // the tie the taken fields would break: refused
        ImageChecks::Verdict verdict;      // the checks on image, made when no tie refused it

        bool accepted() const
        {
            return !brokenTie && verdict.outcome == ImageChecks::Verdict::Outcome::Passed;
        }
    };

    // answerYes: the question "Записать" asks about an empty balance request is answered Yes.
    static Result take(const ConfigImage& target, const ConfigImage& source,
                       const QList<const CatalogueField*>& fields, bool answerYes);
};
