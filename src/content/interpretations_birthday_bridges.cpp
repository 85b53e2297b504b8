#include "content/texts.h"

#include <QtGlobal>

namespace corvella::texts {

// The values 6, 7 and 8 of the two bridge numbers share one paragraph each, so each of these
// speaks of the gap in words that fit either: what you do, what you want and how you come
// across.
static const char BridgeSix[] = QT_TRANSLATE_NOOP(
    "Content",
    "Care and responsibility are what close the gap. Take up your duties to family, friends and "
    "community willingly, and let people see the warmth behind them, so that what you do, what "
    "you want and how you come across all pull the same way. Give without taking control, and "
    "accept help in return.");
static const char BridgeSeven[] = QT_TRANSLATE_NOOP(
    "Content",
    "Quiet study and honest self-examination are the qualities to develop. Time alone to think "
    "shows you what you really want from your years and what keeps you from showing it, so that "
    "your choices rest on understanding rather than habit. Trust your intuition, look for the "
    "meaning behind your experiences, and let people glimpse the thoughtful person you are.");
static const char BridgeEight[] = QT_TRANSLATE_NOOP(
    "Content",
    "Balanced strength and sound judgement are what you need to build. Take charge of your "
    "affairs, money included, and let the confidence you feel privately show in how you carry "
    "yourself, so that your abilities earn the results you are aiming for. Use authority fairly "
    "and keep material success in proportion to your values.");

const char* const InterpretationsBirthdayBridges[58] = {
    // Birthday Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Starting things comes easily to you. You spot what could be done and try it before "
        "anyone else, and you are willing to stand alone for an idea you believe in. Your drive "
        "carries people with you when you remember to listen as well as lead."),
    // Birthday Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "You handle close, personal dealings with rare tact. A change of tone or a tired face "
        "does not escape you, and you can ease a tense moment before it grows. You work best in "
        "partnership, often as the quiet helper at someone's side, though criticism may sting "
        "more than it should."),
    // Birthday Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "A quick sense of humour and a lively imagination mark you out. A joke from you can lift "
        "a gloomy room, and you find playful ways round dull tasks, so people enjoy your company. "
        "Your many interests can scatter your energy, and choosing a few to develop lets your "
        "gifts truly flower."),
    // Birthday Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Order and solid work come naturally to you. You like to know how things are made, you "
        "plan before you act and you finish what you start, so others rely on your word and your "
        "careful work. Watch for stubbornness and a fear of change; a little flexibility makes "
        "your reliable foundations stronger still."),
    // Birthday Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Curiosity and adaptability run deep in you. New places, people and ideas wake you up, "
        "you learn fast by trying things, and you often have a way with language or selling. "
        "Routine can feel like a cage, yet some commitments are worth keeping after the novelty "
        "fades."),
    // Birthday Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Looking after people comes naturally to you. You sense what a home, a family or a group "
        "needs and quietly provide it, whether a meal, sound advice or a settled quarrel, and you "
        "have an eye for comfort and beauty. Remember that caring for yourself is part of caring "
        "for those you love."),
    // Birthday Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "A thoughtful, searching mind is yours. You want to know why things are as they are and "
        "are not satisfied with easy answers, so study, research and quiet reflection suit you. "
        "You may need more time alone than others, and people discover how much insight you hold "
        "when you share what you find."),
    // Birthday Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Running things well is your talent. Money, organisation and large plans make sense to "
        "you, and responsibility does not frighten you. Power used fairly, with people valued as "
        "much as results, turns your success into security for others too."),
    // Birthday Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Generous and broad in sympathy, you feel for people you have never met. Causes larger "
        "than yourself draw you, and your artistic, idealistic vision can inspire others to be "
        "kinder. Relationships and phases may come to a natural end along the way, and your "
        "strength grows each time you let go with grace."),
    // Birthday Number 10
    QT_TRANSLATE_NOOP(
        "Content",
        "Self-made drive is the mark of this date. You are ambitious, full of ideas and quick to "
        "recover from a setback, treating each as a fresh start, and your energy reaches out to "
        "ventures far beyond your own affairs. With so many possible directions open, your task "
        "is to choose among them and to let others share your plans instead of insisting on doing "
        "everything yourself."),
    // Birthday Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "Intuition runs strong in you, joined to an inspired vision. You often sense what is "
        "coming, or what someone feels, before a word is spoken, and you can inspire others "
        "through teaching, art or faith. Such fine tuning brings nervous energy that needs calm "
        "and rest, and your inner voice, trusted rather than doubted, makes you a light for "
        "others."),
    // Birthday Number 12
    QT_TRANSLATE_NOOP(
        "Content",
        "Others find your original creative voice easy to follow. You can be witty, artistic and "
        "persuasive, with a knack for drawing people into your ideas. Your task is to finish what "
        "you begin, because a clever idea becomes a gift to the world only when you give it "
        "shape."),
    // Birthday Number 13
    QT_TRANSLATE_NOOP(
        "Content",
        "Turning ideas into something solid is what you do best. Long hours towards a goal do not "
        "deter you, and a creative streak keeps the work from turning dull. When you feel held "
        "back, steady, patient effort brings better results than force."),
    // Birthday Number 14
    QT_TRANSLATE_NOOP(
        "Content",
        "You know how to make change practical. You adapt quickly, yet you build something useful "
        "out of each new situation, and you are curious, versatile and good with the public. Your "
        "appetite for new experience is a gift when moderation and a steady base to come home to "
        "keep it in check."),
    // Birthday Number 15
    QT_TRANSLATE_NOOP(
        "Content",
        "A warm, magnetic manner and a gift for helping people mark your nature. Family and "
        "friends matter greatly to you and you are generous with your time, often helping in a "
        "creative or artistic way. A love of adventure can pull you away from home, and you are "
        "happiest when you bring home and the wider world together."),
    // Birthday Number 16
    QT_TRANSLATE_NOOP(
        "Content",
        "Hard-won insight is your gift. You look beneath the surface of people and events, and "
        "each twist in your story adds to a store of understanding, often put to use in writing, "
        "research or quiet study. Sudden upheavals may overturn your plans, teaching you to rely "
        "on your own wisdom more than on appearances."),
    // Birthday Number 17
    QT_TRANSLATE_NOOP(
        "Content",
        "You have a head for business and for thinking on a large scale. You study and plan "
        "carefully, and you tend to be confident, self-controlled and determined to succeed on "
        "your own merit. Your judgement is sound, and it grows better still when you stay open to "
        "other views."),
    // Birthday Number 18
    QT_TRANSLATE_NOOP(
        "Content",
        "Organising people and resources for a good cause brings out the best in you. You see the "
        "big picture, want to change things for the better well beyond your own neighbourhood and "
        "can move others to act. Strong emotions need a healthy outlet, and your influence is at "
        "its best when you direct your energy towards service rather than control."),
    // Birthday Number 19
    QT_TRANSLATE_NOOP(
        "Content",
        "You win your independence the hard way. Circumstances push you to stand on your own feet "
        "and find your own answers, and you grow ambitious, inventive and able to start again "
        "after a loss. Accepting support is part of strength, and when you allow it your talent "
        "for new beginnings carries you far."),
    // Birthday Number 20
    QT_TRANSLATE_NOOP(
        "Content",
        "Groups are where your gift for cooperation shows best. You read the atmosphere of a "
        "room, a family or a team without being told, and you can get people who disagree to pull "
        "together. Colleagues often rely on you as a go-between, though taking on everyone's "
        "moods can leave you drained if you forget your own needs."),
    // Birthday Number 21
    QT_TRANSLATE_NOOP(
        "Content",
        "Charm, quick wit and a talent for sharing ideas make you a natural with an audience. You "
        "write, talk or perform in a way that wins people over, and your sense of timing is good. "
        "Learn to trust your own voice even when it goes against the crowd."),
    // Birthday Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "Large ideas and the patience to make them real sit together in you. You can marshal "
        "people and resources to build something that lasts, from an enterprise to a community "
        "project, and what you create can serve many people. High standards bring pressure, so "
        "pace yourself and share the load."),
    // Birthday Number 23
    QT_TRANSLATE_NOOP(
        "Content",
        "You can talk with all kinds of people and be understood. You are quick, witty and "
        "sympathetic, usually skilled with your hands or with words, and you adapt to whatever "
        "comes your way. Variety and travel may lead you through several changes of direction, "
        "and each adds to your range as long as you learn from it before moving on."),
    // Birthday Number 24
    QT_TRANSLATE_NOOP(
        "Content",
        "A nurturing, protective nature shows itself in practical deeds. You are loyal, "
        "hard-working and responsible, and your gift is building a secure, loving home and caring "
        "for people in everyday ways. You may worry too much about those close to you, so let "
        "them carry some of their own load and your care supports rather than burdens them."),
    // Birthday Number 25
    QT_TRANSLATE_NOOP(
        "Content",
        "Experience is your teacher and intuition your guide. You observe closely, ask searching "
        "questions and often know an answer before you can explain it, which suits research, "
        "analysis and inner growth. Deep feelings may lie beneath a calm surface, and acting on "
        "your hunches leads you to wise, well-timed choices."),
    // Birthday Number 26
    QT_TRANSLATE_NOOP(
        "Content",
        "Practical and financial good sense sits in you beside real concern for others. A "
        "household, a team or a business benefits from your mix of efficiency and warmth. You "
        "like respect and the means to provide well, yet generosity and a light touch win you "
        "more loyalty than control."),
    // Birthday Number 27
    QT_TRANSLATE_NOOP(
        "Content",
        "Wisdom and kindness go together in you. A reflective mind and a caring nature may lead "
        "you into healing, teaching, counselling or art that helps others understand their own "
        "stories. Moods can swing between openness and withdrawal, and a practical outlet for "
        "your ideals keeps you steady."),
    // Birthday Number 28
    QT_TRANSLATE_NOOP(
        "Content",
        "Leadership with a human touch is your talent. You like to take charge, yet you want "
        "people beside you rather than beneath you, and you are usually ready to start something "
        "new. Patience and tact temper your strong will, and then others follow your lead gladly."),
    // Birthday Number 29
    QT_TRANSLATE_NOOP(
        "Content",
        "Deep feeling and a powerful intuition let you inspire others. You sense what people need "
        "and can reach them through words, art or care, yet this sensitivity brings emotional "
        "highs and lows. Quiet routines and trust in your inner guidance help you turn it into "
        "wisdom."),
    // Birthday Number 30
    QT_TRANSLATE_NOOP(
        "Content",
        "Words and images are how you reach an audience. Teaching, public speaking, writing, "
        "design or performance suit you, and your imagination can lift the spirits of a whole "
        "crowd. Ideas come easily, but the real satisfaction lies in finishing work that others "
        "can see and share."),
    // Birthday Number 31
    QT_TRANSLATE_NOOP(
        "Content",
        "You bring imagination to solid work, joining creativity to structure, and you like plans "
        "that lead to visible results. You are loyal, determined and good at organising your "
        "ideas, and you value security and a stable home. Staying open to new methods keeps your "
        "careful, creative work fresh and lasting."),
    // Life Path / Expression Bridge Number 0
    QT_TRANSLATE_NOOP(
        "Content",
        "Your aims and your talents already pull in step, so the gifts you were born with suit "
        "the road in front of you. Your task is to use them fully rather than coast on the ease "
        "of it. A head start is a gift, not a finished journey."),
    // Life Path / Expression Bridge Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Self-reliance is the quality that brings your aims and your talents together. You may "
        "have every skill you need yet hold back until someone else approves. Practise deciding "
        "for yourself and taking the lead, because each time you act on your own ideas your "
        "abilities move closer to your purpose."),
    // Life Path / Expression Bridge Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Cooperation links the course you follow with the abilities you have. Your talents "
        "flourish alongside other people, so learn to listen, share credit and accept the pace of "
        "others. Attention to people's feelings and to the fine details of joint work opens doors "
        "that your gifts could not open unaided."),
    // Life Path / Expression Bridge Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Joyful communication joins your purpose to your talents. You may hide your abilities or "
        "take yourself so seriously that they never find their proper outlet. Speak, write, "
        "create and share your ideas openly with warmth and humour, and your gifts can find their "
        "way into the work you are here to do."),
    // Life Path / Expression Bridge Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Discipline and order unite your aims with your gifts. Talent without structure drifts, "
        "so build routines, set practical goals and work at them steadily, planning your time and "
        "finishing what you start. As these foundations go down stone by stone, your abilities "
        "gain the firm base they need."),
    // Life Path / Expression Bridge Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Adaptability is what draws your direction and your abilities into line. Clinging to "
        "familiar ways may be keeping your gifts in too small a space. Welcome new places, people "
        "and ideas, adjust when plans shift, and let each change you accept give your talents "
        "more room to serve your purpose."),
    // Life Path / Expression Bridge Number 6
    BridgeSix,
    // Life Path / Expression Bridge Number 7
    BridgeSeven,
    // Life Path / Expression Bridge Number 8
    BridgeEight,
    // Heart Desire / Personality Bridge Number 0
    QT_TRANSLATE_NOOP(
        "Content",
        "What you want privately and the way you come across already work in harmony, so people "
        "tend to see you as you truly are. The task is to keep it that way by staying honest with "
        "yourself and others, letting genuine feeling go on shaping how you present yourself. "
        "Such ease is worth guarding rather than taking for granted."),
    // Heart Desire / Personality Bridge Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Self-assurance is the quality to develop. Your real wishes may hide behind an image "
        "shaped by other people's expectations, so state your preferences, stand up for what "
        "matters to you and let your individuality show in how you dress, speak and act. As your "
        "manner gains confidence, it begins to reflect the person you are privately."),
    // Heart Desire / Personality Bridge Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Sensitivity and tact bring your private wishes and your outward manner together. You may "
        "seem more guarded, distant or forceful than you feel, so let people see your gentler "
        "side. Listen closely, show the warmth you carry and be patient in your dealings, and "
        "others can meet the real you."),
    // Heart Desire / Personality Bridge Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Playful, open self-expression unites what you feel with how others see you. A serious or "
        "reserved manner may be hiding your real wishes. Let your feelings out through "
        "conversation, humour, art or play, and allow yourself to be seen enjoying things, so "
        "that your outward image reflects what you want."),
    // Heart Desire / Personality Bridge Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Steadiness and reliability link your private wishes with your public image. Others may "
        "see only part of you, or an image that changes from week to week, while inwardly you "
        "want something firm. Keep your promises and let your actions match your words, and your "
        "conduct becomes a faithful picture of what you really want."),
    // Heart Desire / Personality Bridge Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Freedom and spontaneity bring your hidden self and your public face together. Perhaps "
        "you show a careful, controlled image while longing for variety and adventure, or the "
        "reverse. Try new things openly and share your curiosity, and people can see the lively "
        "person you are."),
    // Heart Desire / Personality Bridge Number 6
    BridgeSix,
    // Heart Desire / Personality Bridge Number 7
    BridgeSeven,
    // Heart Desire / Personality Bridge Number 8
    BridgeEight,
    // Balance Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Trouble makes you reach for your own willpower. You tend to take charge of a problem "
        "yourself and tackle it head on, which often works, though under strain it can harden "
        "into stubbornness or a refusal to accept help. Courage serves you best when you also let "
        "a trusted friend advise you."),
    // Balance Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Patience, diplomacy and the support of others steady you when things go wrong. You look "
        "for a peaceful way through conflict and can see the other side's view, though under "
        "pressure you may give in just to keep the peace. Talk things over calmly, take small "
        "gentle steps and stand by your own needs as well as everyone else's."),
    // Balance Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Humour, words and creativity help you ride out stressful times. Sharing your worries, "
        "writing them down or turning to a creative hobby releases tension and lets you see "
        "things more brightly. The risk is hiding behind jokes instead of facing the real "
        "problem, so express your feelings honestly and then let optimism lead to sensible "
        "action."),
    // Balance Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Order and practical effort are your steadying tools in a crisis. Making a plan, breaking "
        "the problem into steps and dealing with each in turn calms you and gets results. Under "
        "strain you may become rigid or overwork, so keep your sensible routines while leaving "
        "room for rest and for other people's ideas."),
    // Balance Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Flexibility is your best tool when trouble comes. You think on your feet and can usually "
        "spot another way out when the obvious route is blocked. Under stress, though, the urge "
        "to flee, act rashly or escape into excess can take over, so pause, weigh the options and "
        "then make the change that truly helps."),
    // Balance Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Love, duty and the people close to you steady you in difficult times. Looking after "
        "family and friends grounds you, yet you may end up fixing everyone's problems or "
        "carrying loads that belong to others. Accept help as readily as you offer it, and count "
        "your own well-being among the things worth protecting."),
    // Balance Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "Under pressure you need to withdraw and think. Quiet time, study and reflection show you "
        "what is really going on and let you trust your own judgement. Stay away too long, "
        "though, and worry takes over, so come back, share what you have found and act calmly."),
    // Balance Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "When a crisis strikes, strength, good judgement and a sense of control keep you upright. "
        "You can organise people and resources and make hard decisions while others hesitate. "
        "Under stress this can turn into a need to dominate, so use your authority fairly, stay "
        "compassionate and accept that not every situation can or should be controlled."),
    // Balance Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Compassion and a broad view of the world help you through troubled times. Seeing your "
        "troubles in a larger perspective, forgiving others and helping people in need restores "
        "your peace. You may become withdrawn or unable to let go of the past, and your "
        "steadiness returns when you accept what has ended and turn towards what you can still "
        "do."),
};

} // namespace corvella::texts
