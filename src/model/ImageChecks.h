#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class ConfigImage;

// What an image must pass before it goes to a panel or into a file, in the
// window's own words. The write command makes these checks on what its pages
// show; zq22 write makes them on a file's fields as the pages would show them
// once the file is loaded, so that both refuse the same images alike.
class ImageChecks final {
    Q_DECLARE_TR_FUNCTIONS(ImageChecks)
public:
    // A box's text and caption, as the window shows them.
    struct Message {
        QString text;
        QString caption;
    };

    enum class Phone { Given, ListEnds, Malformed };
    enum class BalanceRequest { Given, Missing, Malformed };

    static std::optional<Message> account(const QString& text);
    static std::optional<Message> macNumber(const QString& text);
    static Phone phone(const QString& text);
    static BalanceRequest balanceRequest(const QString& text);
    static std::optional<Message> zone(int zone, bool switchedOn, unsigned groupMask);

    // n the number of phones stored before the empty one; none stored: no SMS at all.
    static Message phonesEndAt(int n);
    static Message malformedPhone();
    static Message missingBalanceRequest();   // a question: go on only on Yes
    static Message malformedBalanceRequest();

    struct Verdict {
        enum class Outcome { Passed, Refused, Declined };
        Outcome outcome = Outcome::Passed;
        Message message;   // the failed check's, or the question answered No
    };

    // Every check, in the write command's order, on the fields of the image as
    // a window freshly started would show them after loading it; its question
    // answered Yes only when told so.
    static Verdict ofImage(const ConfigImage& image, bool answerYes);
};
