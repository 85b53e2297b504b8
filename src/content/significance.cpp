#include "content/texts.h"

// A significance paragraph never names its own number: a test by significance shows the name
// and asks for the paragraph, so the learner has to know what the number stands for.

namespace corvella::texts {

const char* const Significance[15] = {
    // Life Path Number
    "The most important number in your chart. Taken from your full date of birth, it "
    "describes the road you travel through life: the gifts you bring with you, the lessons you "
    "meet and the kind of experiences that keep coming your way.",
    // Destiny / Expression Number
    "This number comes from every letter of the name you were given at birth. It shows the "
    "abilities you were born with and what you are meant to do with them: the way you "
    "naturally work, speak and go after your goals.",
    // Soul's Urge / Heart's Desire Number
    "Drawn from the vowels of your birth name, this number speaks of what you long for deep "
    "inside and of what truly satisfies you, even when you seldom show it to other people.",
    // Inner Dreams / Personality Number
    "Taken from the consonants of your birth name, this number describes the face you show the "
    "world and the first impression you make: the part of you that others meet before they "
    "know you well.",
    // Birthday Number
    "Simply the day of the month on which you were born, kept as it is. It points to a special "
    "talent you carry, one that supports your road through life and that you can call on "
    "easily whenever you need it.",
    // Life Path / Expression Bridge Number
    "This number measures the gap between your Life Path Number and the number of your full "
    "name. It suggests what to work on so that the road you travel and the abilities you were "
    "given pull in the same direction.",
    // Heart Desire / Personality Bridge Number
    "This number measures the distance between what you want inside and the way other people "
    "see you. It hints at how your outward manner can show more of your true wishes, so that "
    "you feel understood.",
    // Balance Number
    "Found from the initials of your birth name, this number tells you how you tend to react "
    "when life becomes difficult, and it offers a steady way to keep your calm in times of "
    "stress or conflict.",
    // Maturity / Realization Number
    "This number joins your Life Path Number with the number of your full name. Its influence "
    "grows slowly and is felt from midlife, about the age of forty, onwards, revealing the "
    "deeper goal that your life has been leading you towards all along.",
    // Pinnacle Number
    "Four of these numbers each rule a long stretch of your life. The first lasts from birth "
    "until the age of 36 minus your Life Path Number (as a single digit), the second and third "
    "last nine years each, and the fourth stays with you for the rest of your life. Each shows "
    "the opportunities and the mood of its time.",
    // Challenge Number
    "Four of these numbers point to weak spots you are asked to overcome at different stages "
    "of life. They are not punishments: each shows a lesson that turns into a strength once it "
    "is learnt. The third is the main one and is felt all through your life.",
    // Life Path Period Number
    "Your life falls into three long periods: youth up to about 28, the busy middle years up to "
    "about 56 and the later years after that. Each has its own number, taken from the month, "
    "the day or the year of your birth, and it colours the mood and the lessons of that part of "
    "your life.",
    // Personal Day Number
    "This number changes from one day to the next. It describes the energy of a single day for "
    "you in particular, so you can pick a good day to start something new, to rest, to talk "
    "things over or to finish a task.",
    // Personal Month Number
    "This number describes the theme of one calendar month in your own cycle. It shows which "
    "kind of activity the month favours and helps you plan the weeks ahead within the larger "
    "theme of your year.",
    // Personal Year Number
    "This number follows a cycle of nine years that starts over at the end of each cycle. It "
    "describes the main theme of one calendar year for you, from fresh beginnings in the first "
    "year of the cycle to endings and clearing out in the last.",
};

} // namespace corvella::texts
