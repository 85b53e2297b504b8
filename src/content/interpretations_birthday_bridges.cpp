#include "content/texts.h"

namespace corvella::texts {

// The values 6, 7 and 8 of the two bridge numbers share one paragraph each, so each of these
// speaks to both gaps: between aims and talents, and between private wishes and outward manner.
static const char BridgeSix[] =
    "Care and responsibility close the gap, whether it lies between your aims and your talents or "
    "between your private wishes and the face you show. Taking up your duties to family, friends "
    "and community willingly lets your gifts serve a purpose you believe in, and a warm, helpful "
    "manner lets people see the loving person you are. Give without taking control, and accept "
    "help in return.";
static const char BridgeSeven[] =
    "Quiet study and honest self-examination are the qualities to develop. Time alone to think "
    "shows you which of your abilities truly serve the aims you have chosen, and why your outward "
    "manner may hide what you feel. Trust your intuition, look for the meaning behind your "
    "experiences, and let people glimpse the thoughtful person you are.";
static const char BridgeEight[] =
    "Balanced strength and sound judgement are what you need to build. Take charge of your "
    "affairs, including money, so that your talents earn the results your aims call for, and let "
    "the confidence you feel privately show in how you carry yourself. Use authority fairly and "
    "keep material success in proportion to your values.";

const char* const InterpretationsBirthdayBridges[58] = {
    // Birthday Number 1
    "You carry the gift of the starter. You see what could be done and try it before anyone else, "
    "without waiting for permission, and you have the courage to stand alone when you must. Your "
    "talent shines when you are trusted to lead something from its very beginning, and it carries "
    "others along when you remember to listen.",
    // Birthday Number 2
    "Tact in close, personal dealings is your special gift. You notice the small signals others "
    "miss, such as a change of tone or a tired face, and you can ease a tense moment before it "
    "grows. You work best in partnership, often as the quiet helper beside someone else, though "
    "criticism can hurt you more than it should.",
    // Birthday Number 3
    "A lively imagination and a quick sense of humour were given to you. You can brighten a "
    "gloomy room with a joke and find a playful way round a dull task, and your enthusiasm is "
    "catching. Your many interests can scatter your energy, so choose a few skills and give them "
    "steady time, and the gift will truly flower.",
    // Birthday Number 4
    "Order and solid work come naturally to you. You like to know how things are made, you plan "
    "before you act and you finish what you start, so others rely on your word and your careful "
    "work. Watch for stubbornness and a fear of change; a little flexibility makes your reliable "
    "foundations stronger still.",
    // Birthday Number 5
    "Curiosity and a talent for adapting are yours from the start. New places, new people and new "
    "ideas wake you up, and you learn quickly by trying things for yourself, often with a gift "
    "for language or selling. Routine can feel like a cage, yet some commitments are worth "
    "keeping after the novelty fades.",
    // Birthday Number 6
    "Your special gift is care. You sense what a home, a family or a group needs and step in to "
    "provide it, whether by cooking a meal, settling a quarrel or giving sound advice, and you "
    "have an eye for beauty and comfort. Remember that looking after yourself is part of looking "
    "after the people you love.",
    // Birthday Number 7
    "A thoughtful, searching mind is yours. You want to know why things are as they are and are "
    "not satisfied with easy answers, so study, research and quiet reflection suit you. You may "
    "need more time alone than others, and people discover how much insight you hold when you "
    "share what you find.",
    // Birthday Number 8
    "You have a talent for managing and achieving. Money, organisation and making a plan work on "
    "a large scale make sense to you, and you are not afraid of responsibility. The lesson is to "
    "use power fairly and to value people as much as results, so that your success brings "
    "security to others as well as to yourself.",
    // Birthday Number 9
    "A wide and generous nature is your gift. You feel for people you have never met and are "
    "drawn to causes larger than yourself, and your artistic, idealistic vision can inspire "
    "others. Things and relationships may come to a natural end along the way, and your strength "
    "grows each time you release them with grace.",
    // Birthday Number 10
    "Self-made drive is the mark of this date. You are ambitious, full of ideas and quick to "
    "recover from a setback, treating each as a fresh start, and your energy reaches out to "
    "ventures far beyond your own affairs. With so many possible directions open, your task is to "
    "choose among them and to let others share your plans instead of insisting on doing "
    "everything yourself.",
    // Birthday Number 11
    "Strong intuition and an inspired vision are your gifts. You can sense what is coming, or "
    "what others feel, before a word is said, and many born on this date inspire others through "
    "teaching, art or faith. The gift comes with nervous energy that needs calm and rest; when "
    "you trust your inner voice instead of doubting it, you become a light for others.",
    // Birthday Number 12
    "An original creative voice that others find easy to follow is your talent. You can be witty, "
    "artistic and persuasive, with a knack for drawing people into your ideas. Your task is to "
    "finish what you begin, because a clever idea becomes a gift to the world only when you give "
    "it shape.",
    // Birthday Number 13
    "Turning ideas into something solid is what you do best. You are organised, determined and "
    "able to work long hours towards a goal, and a creative streak keeps your work from becoming "
    "dull. At times you may feel held back or push too hard; steady, patient effort brings better "
    "results than force.",
    // Birthday Number 14
    "Change made practical is your talent. You adapt quickly, yet you build something useful out "
    "of each new situation, and you are curious, versatile and good with the public. Your "
    "appetite for new experience is a gift when moderation and a steady base to come home to keep "
    "it in check.",
    // Birthday Number 15
    "A warm, magnetic manner and a gift for helping people mark your nature. Family and friends "
    "matter greatly to you and you are generous with your time, often helping in a creative or "
    "artistic way. A love of adventure can pull you away from home, and you are happiest when you "
    "bring home and the wider world together.",
    // Birthday Number 16
    "Insight born of experience is your gift. You think deeply, notice what lies beneath the "
    "surface and learn from every turn of events, often as a writer, researcher or private "
    "thinker. Sudden changes may shake your plans, and each teaches you to rely on your own inner "
    "wisdom rather than on appearances.",
    // Birthday Number 17
    "You have a head for business and for thinking on a large scale. You study and plan "
    "carefully, and you tend to be confident, self-controlled and determined to succeed on your "
    "own merit. Your judgement is sound, and it grows better still when you stay open to other "
    "views.",
    // Birthday Number 18
    "Organising people and resources for a good cause is your special strength. You see the big "
    "picture, want to change things for the better well beyond your own neighbourhood and can "
    "move others to act. Strong emotions need a healthy outlet, and your influence is at its best "
    "when you direct your energy towards service rather than control.",
    // Birthday Number 19
    "Independence earned the hard way is your gift. Circumstances teach you to stand on your own "
    "feet and find your own answers, and you become ambitious, inventive and able to start over "
    "after a loss. Strength includes asking for help, and when you accept support your talent for "
    "new beginnings carries you very far.",
    // Birthday Number 20
    "Creating harmony within a group comes easily to you. You sense the mood of a room, a family "
    "or a team and can bring many people to work together, which makes you a natural go-between "
    "and peacemaker among colleagues. Because you absorb so much of what others feel, guard "
    "against taking everything personally and keep your own footing.",
    // Birthday Number 21
    "Sociable creativity is your gift: you are charming, quick-witted and able to share ideas in "
    "a way that wins people over. Writing, performing or any work with an audience suits you, and "
    "you have a good sense of timing. Learn to trust your own voice even when others might "
    "disagree with it.",
    // Birthday Number 22
    "You can see a large vision and also the practical steps that will make it real. You organise "
    "people and resources to build something lasting, whether a business, a community project or "
    "a body of work, and your plans can benefit many people. High standards bring pressure, so "
    "pace yourself and share the load.",
    // Birthday Number 23
    "Communicating with all kinds of people is your talent. You are quick, witty and sympathetic, "
    "usually skilled with your hands or with words, and you adapt to whatever comes your way. "
    "Variety and travel may lead you through several changes of direction, and each adds to your "
    "gift as long as you learn from it before moving on.",
    // Birthday Number 24
    "A nurturing, protective nature shows itself in practical deeds. You are loyal, hard-working "
    "and responsible, and your gift is building a secure, loving home and caring for people in "
    "everyday ways. You may worry too much about those close to you, so let them carry some of "
    "their own load and your care will support rather than burden them.",
    // Birthday Number 25
    "An intuitive mind that learns from experience is your gift. You observe carefully, ask "
    "searching questions and often sense the answer before you can explain it, which suits "
    "research, analysis or inner growth. Feelings may run deep beneath a calm surface, and when "
    "you act on your intuition you make wise, well-timed choices.",
    // Birthday Number 26
    "Good judgement in practical and financial affairs, joined to real concern for others, is "
    "your strength. You can manage a household, a team or a business with both efficiency and "
    "warmth. You like to be respected and to provide well, and generosity and a light touch win "
    "you more loyalty than control ever will.",
    // Birthday Number 27
    "Wisdom joined to kindness is your gift. You reflect deeply and care about people, and you "
    "may become a healer, teacher, counsellor or artist who helps others understand their own "
    "stories. Moods can swing between openness and withdrawal; giving your ideals a practical "
    "outlet keeps you steady and lets your gift shine.",
    // Birthday Number 28
    "Leadership with a human touch is your talent. You take charge, yet you want people to work "
    "with you rather than under you, and you are independent, full of plans and ready to start "
    "something new. Temper your strong will with patience and tact, and others will gladly follow "
    "your lead.",
    // Birthday Number 29
    "A powerful intuition and the ability to inspire through feeling are your gifts. You sense "
    "what others need and can reach people deeply through words, art or care, yet strong "
    "emotional ups and downs come with this sensitivity. Quiet routines and trust in your inner "
    "guidance help you turn it into wisdom.",
    // Birthday Number 30
    "Your talent for words and images is meant to reach an audience. Teaching, public speaking, "
    "writing for readers, design or performance suit you, and you can lift the spirits of a crowd "
    "with your imagination and warmth. Ideas come easily, but the real joy comes from finishing "
    "work that others can see and share.",
    // Birthday Number 31
    "Creativity with structure is your gift: you bring imagination to solid work and like plans "
    "that lead to visible results. You are loyal, determined and good at organising your ideas, "
    "and you value security and a stable home. Staying open to new methods keeps your careful, "
    "creative work fresh and lasting.",
    // Life Path / Expression Bridge Number 0
    "Your direction and your talents already pull the same way, so the gifts you were born with "
    "suit the road in front of you. Your task is to use them fully and not to rest on the ease of "
    "it. A good start is a head start, not a finished journey.",
    // Life Path / Expression Bridge Number 1
    "Independence and self-confidence bring your aims and your talents together. You may have the "
    "skills you need yet hesitate to use them on your own initiative, waiting for someone's "
    "approval. Practise making decisions, taking the lead and trusting your own judgement; each "
    "time you act on your own ideas, your abilities move closer to your purpose.",
    // Life Path / Expression Bridge Number 2
    "Cooperation is what links the course you follow with the abilities you have. Your talents "
    "grow most fully alongside other people, so learn to listen, to share credit and to be "
    "patient with the pace of others. Attention to people's feelings and to the details of "
    "working together opens doors your gifts could not open unaided.",
    // Life Path / Expression Bridge Number 3
    "Joyful communication joins your purpose to your talents. You may hide your abilities or take "
    "yourself so seriously that they never find their proper outlet. Speak, write, create and "
    "share your ideas openly with warmth and humour, and your gifts will find their way into the "
    "work you are here to do.",
    // Life Path / Expression Bridge Number 4
    "Discipline and order unite your aims with your gifts. Talent without structure drifts, so "
    "build routines, set practical goals and work at them steadily, planning your time and "
    "finishing what you start. As these foundations go down stone by stone, your abilities gain "
    "the firm base they need.",
    // Life Path / Expression Bridge Number 5
    "Flexibility and openness to change bring your direction and your talents into harmony. You "
    "may cling to familiar ways and keep your gifts in too small a space. Welcome new places, "
    "people and ideas, adapt when plans shift, and let each change you accept give your abilities "
    "more room to serve your purpose.",
    // Life Path / Expression Bridge Number 6
    BridgeSix,
    // Life Path / Expression Bridge Number 7
    BridgeSeven,
    // Life Path / Expression Bridge Number 8
    BridgeEight,
    // Heart Desire / Personality Bridge Number 0
    "What you long for privately and the image you show the world already agree, so people tend "
    "to see you as you truly are. Your task is to stay honest and keep it that way, letting your "
    "genuine feelings go on shaping how you present yourself. Such ease is a gift worth guarding "
    "rather than taking for granted.",
    // Heart Desire / Personality Bridge Number 1
    "Courage in showing your wishes is what you need to develop. What you want may stay hidden "
    "behind an image shaped by other people's expectations. State your preferences, stand up for "
    "what matters to you and let your individuality show in how you dress, speak and act.",
    // Heart Desire / Personality Bridge Number 2
    "Sensitivity and tact bring your private wishes and your outward manner together. You may "
    "come across as more distant, guarded or forceful than you really feel. Let people see your "
    "gentler side, listen closely and show the warmth you carry, and patience in your dealings "
    "will let them meet the real you.",
    // Heart Desire / Personality Bridge Number 3
    "Joyful openness unites what you feel with how others see you. Your deepest wishes may be "
    "hidden behind a serious or reserved manner. Let your feelings out through conversation, "
    "humour, art or play, and allow yourself to be seen enjoying yourself, so that your outward "
    "image reflects what you want.",
    // Heart Desire / Personality Bridge Number 4
    "Steadiness and reliability link your private wishes with your public image. Others may see "
    "only part of you, or an image that changes from week to week, while inwardly you want "
    "something firm. Keep your promises and let your actions match your words, and your conduct "
    "will become a faithful picture of what you really want.",
    // Heart Desire / Personality Bridge Number 5
    "Freedom and spontaneity bring your hidden self and your public face together. You may "
    "present a controlled, cautious image while longing for variety and adventure, or the other "
    "way round. Try new things in the open and share your curiosity, and people will see the "
    "lively person you are.",
    // Heart Desire / Personality Bridge Number 6
    BridgeSix,
    // Heart Desire / Personality Bridge Number 7
    BridgeSeven,
    // Heart Desire / Personality Bridge Number 8
    BridgeEight,
    // Balance Number 1
    "In hard times you regain your footing by drawing on your own strength and will. You face "
    "trouble head on and take charge of the problem yourself, a good instinct that under stress "
    "can turn into stubbornness or a refusal to let anyone in. Act with courage, but let trusted "
    "people advise you; you need not carry every crisis alone.",
    // Balance Number 2
    "Patience, diplomacy and the support of others steady you when things go wrong. You look for "
    "a peaceful way through conflict and are good at seeing both sides, though under pressure you "
    "may give in just to keep the peace. Talk things over calmly, take small gentle steps and "
    "stand by your own needs as well as everyone else's.",
    // Balance Number 3
    "Humour, words and creativity help you ride out stressful times. Sharing your worries, "
    "writing them down or turning to a creative hobby releases tension and lets you see things "
    "more brightly. The risk is hiding behind jokes instead of facing the real problem, so "
    "express your feelings honestly and then let optimism lead to sensible action.",
    // Balance Number 4
    "Order and practical effort are your steadying tools in a crisis. Making a plan, breaking the "
    "problem into steps and dealing with each in turn calms you and gets results. Under strain "
    "you may become rigid or overwork, so keep your sensible routines while leaving room for rest "
    "and for other people's ideas.",
    // Balance Number 5
    "Flexibility gets you through hard times best. You adapt quickly, think on your feet and can "
    "often find a new way out when the old route is blocked. Under stress you may be tempted to "
    "run away, act on impulse or escape into excess, so pause, look at the options, and then make "
    "the change that truly helps.",
    // Balance Number 6
    "Love, duty and the people close to you steady you in difficult times. Turning to family and "
    "friends, and caring for others, helps you feel grounded, though you may try to fix "
    "everyone's problems or carry burdens that are not yours. Accept help as readily as you give "
    "it, and remember that your own well-being matters too.",
    // Balance Number 7
    "Withdrawing to think things through is how you regain calm under pressure. Quiet time, study "
    "and reflection show you what is really happening and help you trust your own judgement. The "
    "danger is cutting yourself off for too long or losing yourself in worry, so reflect, then "
    "come back, share what you have found and act with calm confidence.",
    // Balance Number 8
    "When a crisis strikes, strength, good judgement and a sense of control keep you upright. You "
    "can organise people and resources and make hard decisions while others hesitate. Under "
    "stress this can turn into a need to dominate, so use your authority fairly, stay "
    "compassionate and accept that not every situation can or should be controlled.",
    // Balance Number 9
    "Compassion and a broad view of the world help you through troubled times. Seeing your "
    "troubles in a larger perspective, forgiving others and helping people in need restores your "
    "peace. You may become withdrawn or unable to let go of the past, and your steadiness returns "
    "when you accept what has ended and turn towards what you can still do.",
};

} // namespace corvella::texts
