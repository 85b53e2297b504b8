#include "content/texts.h"

#include <QtGlobal>

// A significance paragraph uses none of the words of its own number's name, save the plain
// "month" or "year" where a sentence cannot do without it: a test by significance shows the
// name and asks for the paragraph, so the learner has to know what the number stands for
// rather than spot a word. A paragraph may name another number in full
// where it is built from that one.

namespace corvella::texts {

const char* const Significance[15] = {
    // Life Path Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Many teachers hold this to be the most important number of a chart. Worked out from "
        "every digit of the birth date, it sketches the course your years tend to follow. It "
        "shows the strengths you start with, the lessons that come back until they are learnt, "
        "and the kind of events that seem drawn to you."),
    // Destiny / Expression Number
    QT_TRANSLATE_NOOP(
        "Content",
        "All the letters of the name you received at birth feed this number. It describes the "
        "gifts you arrived with and what you are here to do with them: how you go about your "
        "work, how you speak and how you chase the aims you set yourself."),
    // Soul's Urge / Heart's Desire Number
    QT_TRANSLATE_NOOP(
        "Content",
        "The vowels of the birth name, and only they, make up this number. It tells of what you "
        "most long for, the quiet wish behind your choices that leaves you content when it is "
        "met, even if you seldom speak of it."),
    // Inner Dreams / Personality Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Strangers meet this number first. Built from the consonants of the birth name, it "
        "describes your manner, your bearing and the impression you leave before anyone knows you "
        "well."),
    // Birthday Number
    QT_TRANSLATE_NOOP(
        "Content",
        "The day of the month you were born on, used whole and never reduced, gives this number. "
        "It adds one particular strength to the picture: something you do with little effort, "
        "which backs up the larger aims your other numbers describe."),
    // Life Path / Expression Bridge Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Set the number worked from your date of birth against the one worked from your full "
        "name, and the gap between them is this number. It points to what needs practice if the "
        "gifts of your name are to serve the course your years are taking, instead of pulling "
        "away from it."),
    // Heart Desire / Personality Bridge Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Between the wishes you keep to yourself and the manner people see in you there can be a "
        "gap; this number measures it. It suggests small changes of behaviour that let others "
        "glimpse what you really want, which makes you easier to understand."),
    // Balance Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Only the first letters of the birth name go into this number. It is read for the way you "
        "respond when things go wrong, and it proposes a steadying approach for moments of "
        "strain, anger or dispute."),
    // Maturity / Realization Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Added to the number your whole name gives, your Life Path Number makes this one. Its "
        "effect grows slowly and is usually said to come into its own from around the age of "
        "forty, when it shows the aim that your earlier years have been preparing you for."),
    // Pinnacle Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Four of these numbers mark the high points of a lifetime in turn, each setting the "
        "openings and the mood of its own years. The first holds until you reach the age of 36 "
        "less the single digit of your Life Path Number; every later change comes nine years "
        "after the one before, and the fourth holds to the end."),
    // Challenge Number
    QT_TRANSLATE_NOOP(
        "Content",
        "In this course one of these four numbers runs alongside each Pinnacle, naming a soft "
        "spot you are asked to firm up over the same span of years. Effort spent on it pays back "
        "as steadiness you can count on. Many teachers call the third the main one and hold that "
        "it lasts all your life."),
    // Life Path Period Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Your years fall into three long stretches: the formative one up to the 28th birthday, "
        "the productive one up to the 56th and the harvest after it. Each takes a number from the "
        "birth month, day or year in turn, and that number sets the tone and the tasks of its "
        "stretch."),
    // Personal Day Number
    QT_TRANSLATE_NOOP(
        "Content",
        "This number changes daily and sets the tone of each date for you alone. Use it to choose "
        "a good moment to begin something, to rest, to talk a matter through or to finish a job."),
    // Personal Month Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Each calendar month gets a theme of its own from this number, a smaller cycle turning "
        "inside your yearly one. It tells you which kind of work the coming weeks favour, so you "
        "can plan them well."),
    // Personal Year Number
    QT_TRANSLATE_NOOP(
        "Content",
        "Counted in a repeating round of nine, this number gives each calendar year its main "
        "theme, the backdrop to every month in it. The round runs from new ventures at its start "
        "to letting go and tidying up at its end."),
};

} // namespace corvella::texts
