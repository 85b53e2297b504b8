#include "content/texts.h"

namespace corvella::texts {

// The values 6, 7 and 8 of the two bridge numbers share one paragraph each, so these
// speak of closing the gap between two sides of oneself without naming which two.
static const char BridgeSix[] =
    "Care and responsibility close the gap between the sides of yourself that this Bridge "
    "connects. When you take up your duties to family, friends and community willingly, what you "
    "want and what you live begin to line up. Learn to give without taking control, create "
    "harmony and beauty around you, and accept help in return. Warm, dependable service is the "
    "quality to develop, and it draws both sides of you together into a whole.";
static const char BridgeSeven[] =
    "Developing reflection and inner understanding joins the sides of yourself that this Bridge "
    "links. Set aside quiet time to study, think and look honestly at your motives, rather than "
    "rushing from task to task. Trust your intuition and seek the deeper meaning behind your "
    "experiences. As you come to know yourself better, the gap narrows, because you see clearly "
    "what each side of you needs and how they fit.";
static const char BridgeEight[] =
    "Balanced strength is the way to bring together the sides of yourself that this Bridge "
    "connects. Develop good judgement, self-discipline and the confidence to take charge of your "
    "affairs, including money, while keeping material success in proportion to your values. Using "
    "your power fairly and with purpose closes the gap, letting both sides of you work together "
    "towards achievements you can be proud of.";

const char* const InterpretationsBirthdayBridges[58] = {
    // Birthday Number 1
    "You carry the gift of the starter. You see what could be done and are usually quick to try "
    "it before anyone else, without waiting for permission. This birthday gives you a strong "
    "will, a clear sense of your own opinion and the courage to stand alone when you must. Your "
    "talent shines when you are trusted to lead a project from its very start; learn to listen as "
    "well, so that your drive carries others along instead of leaving them behind.",
    // Birthday Number 2
    "Your special gift is tact in close, personal dealings. You notice the small signals another "
    "person misses - a change of tone, a tired face - and you know how to ease a tense moment "
    "before it grows. You work best in partnership, often as the quiet helper beside "
    "someone else. This day also brings deep feelings and a need for harmony, so criticism can "
    "hurt you more than it should. Trust that your gentle way of bringing people together is a "
    "real strength, not a weakness.",
    // Birthday Number 3
    "You were given a lively imagination and a quick sense of humour. You can lift a gloomy room "
    "with a joke, brighten a friend's day and find a playful way around a dull task. People "
    "enjoy your company and your enthusiasm is catching. The lesson of this birthday is focus: "
    "your many interests can scatter your energy, so choose a few pastimes or skills and give "
    "them steady time, and your gift will truly flower.",
    // Birthday Number 4
    "You have a gift for order and solid work. You like to know how things are built, you plan "
    "before you act and you finish what you start. Others rely on you because your word holds and "
    "your work is careful. This birthday brings patience and a practical mind, useful in any "
    "trade that needs precision. Watch for stubbornness and a fear of change; allowing a little "
    "flexibility makes your reliable foundations even stronger.",
    // Birthday Number 5
    "You carry a restless, curious spirit and a talent for adapting. New places, new people and "
    "new ideas wake you up, and you learn quickly by trying things for yourself. You are often "
    "good with language, selling or anything that needs quick thinking. Routine can feel like a "
    "cage, so this birthday asks you to use your love of freedom wisely: variety feeds your gift, "
    "but some commitments are worth keeping even when the novelty fades.",
    // Birthday Number 6
    "Your special gift is care. You have a natural sense of what a home, a family or a group "
    "needs, and you step in to provide it, whether by cooking a meal, settling a quarrel or "
    "giving sound advice. You have an eye for beauty and comfort as well. This birthday makes you "
    "dependable and loving, but it can also make you take on too much; remember that looking "
    "after yourself is part of looking after the people you love.",
    // Birthday Number 7
    "You were given a thoughtful, searching mind. You want to understand why things are as they "
    "are, and you are not satisfied with easy answers. Study, research, quiet reflection or a "
    "spiritual practice suit your talent. You may need more time alone than others and can seem "
    "reserved at first meeting. This birthday's gift is depth: when you trust your inner wisdom "
    "and share what you find, people discover how much insight you hold.",
    // Birthday Number 8
    "You carry a talent for managing and achieving. You understand money, organisation and how to "
    "make a plan work on a large scale, and you are not afraid of responsibility. Others often "
    "see you as capable and strong. This birthday gives ambition and good judgement in practical "
    "matters; its lesson is to use power fairly and to value people as much as results, so that "
    "your success brings security to others as well as to yourself.",
    // Birthday Number 9
    "Your gift is a wide and generous heart. You feel for people you have never met and are drawn "
    "to causes larger than yourself. Artistic and idealistic, you can inspire others with your "
    "vision of how the world could be kinder. This birthday also teaches letting go: things and "
    "relationships may come to a natural end in your life, and your strength grows each time you "
    "release them with grace and move forward.",
    // Birthday Number 10
    "You have the independence of a pioneer, and the open circle that ends this date widens it: "
    "your drive reaches past your own affairs to ventures that involve others, and it comes with "
    "many possible directions rather than a single set path. You are self-motivated and full of "
    "ideas, and you recover quickly from setbacks, treating each as a fresh start. Your "
    "challenge is to choose among your openings and to avoid being so self-reliant that you "
    "refuse help; success comes faster when you let others share your plans.",
    // Birthday Number 11
    "Yours is a master number birthday, charged with inspiration and vision. You have a strong "
    "intuition and can sense what is coming, or what others feel, before a word is said. Many "
    "with this day inspire others through teaching, art or faith. The gift comes with nervous "
    "energy and high sensitivity, so you need calm, rest and grounding. When you trust your inner "
    "voice instead of doubting it, you become a light for others.",
    // Birthday Number 12
    "You blend bold initiative with gentle tact, and together they give you a lively creative "
    "streak. You have a gift for expressing yourself in a way that is both original and easy for "
    "others to understand. You can be witty, artistic and warm, with a knack for drawing people "
    "into your ideas. This birthday asks you to finish what you begin; a clever idea only becomes "
    "a gift to the world when you give it shape and see it through.",
    // Birthday Number 13
    "You combine initiative with a flair for expression, and together they settle into a capacity "
    "for hard, steady work. Your gift is turning ideas into something solid. You are organised, "
    "determined and able to work long hours towards a goal, and a creative streak keeps your work "
    "from becoming dull. This birthday can bring a tendency to feel held back or to push too "
    "hard; steady, patient effort rather than force brings your best results.",
    // Birthday Number 14
    "You blend independence with a love of order, and together they open into a freedom-loving, "
    "adventurous nature. You have a talent for change made practical: you adapt quickly, yet you "
    "still build something useful from each new situation. You are curious, versatile and good at "
    "dealing with the public. The lesson of this birthday is moderation; your appetite for new "
    "experience is a gift when it is balanced by a steady base to return to.",
    // Birthday Number 15
    "You blend self-reliance with a free, adventurous streak, and together they turn towards "
    "caring for others. You have a warm, magnetic personality and a gift for helping people, "
    "often in a creative or artistic way. Family and friends matter greatly to you and you are "
    "generous with your time. This birthday also craves adventure, so you may feel pulled between "
    "home and the wider world; you are happiest when you can bring both together.",
    // Birthday Number 16
    "You combine personal drive with a caring heart, and together they turn inward into a "
    "reflective, questioning nature. Your gift is insight that comes from experience: you think "
    "deeply, notice what lies beneath the surface and learn from every turn of your life. You may "
    "be a writer, researcher or private thinker. This birthday can bring sudden changes that "
    "shake old plans, and each teaches you to rely on your inner wisdom rather than on "
    "appearances.",
    // Birthday Number 17
    "You blend independence with a thoughtful, studious mind, and together they grow into strong "
    "ambition. You have a gift for business and for thinking on a large scale, joined to a habit "
    "of studying and planning carefully. You tend to be confident, self-controlled and determined "
    "to succeed on your own merit. This birthday asks you to stay open to other views; your "
    "judgement is good, but it grows even better when you listen.",
    // Birthday Number 18
    "You join natural leadership with a sense of power and authority, and together they widen "
    "into a humane, generous outlook. You have a gift for organising people and resources for a "
    "good cause, and you can move others to act. You see the big picture and want to make a "
    "difference beyond your own circle. This birthday brings strong emotions that need a healthy "
    "outlet; when you direct your energy to service rather than control, your influence is at its "
    "best.",
    // Birthday Number 19
    "You blend the spirit of beginnings with the wisdom of endings, and together they bring you "
    "back to a fresh start on your own. Your gift is independence earned the hard way: you learn "
    "to stand on your own feet and to find your own answers. You are ambitious, inventive and "
    "able to start over after an ending. This birthday may teach you that strength includes "
    "asking for help; once you accept support, your talent for new beginnings carries you very "
    "far.",
    // Birthday Number 20
    "Your gift of cooperation reaches beyond a single partner to whole groups. The open circle "
    "that ends this date widens the quality it follows: you sense the mood of a room, a family "
    "or a team, and you can bring many people to work together. You make a natural go-between, "
    "organiser of shared efforts or peacemaker among colleagues. Because you absorb so much of "
    "what others feel, guard against taking everything personally; your empathy is a treasure "
    "when you keep your own balance.",
    // Birthday Number 21
    "You blend a cooperative nature with an independent spirit, and together they make you "
    "expressive and outgoing. Your gift is sociable creativity: you are charming, quick-witted "
    "and able to share your ideas in a way that wins people over. Writing, performing or any work "
    "with an audience suits you. This birthday also gives you a good sense of timing and a wish "
    "for harmony; learn to trust your own voice even when others might disagree with it.",
    // Birthday Number 22
    "A master number marks this birthday, joining a cooperative nature to a builder's "
    "patience. Your gift is the rare ability to see a large vision and also the practical steps "
    "that will make it real. You can organise people and resources to build something lasting, "
    "whether a business, a community project or a body of work. This birthday brings pressure and "
    "high standards; pace yourself and share the load, and your plans can benefit many people.",
    // Birthday Number 23
    "You blend sensitivity with a lively, playful spark, and together they make you adventurous "
    "and eager for experience. You have a gift for communicating with all kinds of people and for "
    "adapting to whatever life brings. You are quick, witty, sympathetic and usually skilled with "
    "your hands or with words. This birthday loves variety and travel, so you may change paths "
    "several times; each change adds to your talent as long as you learn from it before moving "
    "on.",
    // Birthday Number 24
    "You combine cooperation with steady effort, and together they turn into a nurturing, "
    "protective nature. Your gift is building a secure, loving home and caring for people in "
    "practical ways. You are loyal, hard-working and responsible, someone who shows love through "
    "deeds. This birthday can make you worry too much about the people close to you; let them "
    "carry some of their own load, and your care will be a support rather than a burden.",
    // Birthday Number 25
    "You blend gentleness with curiosity, and together they deepen into a thoughtful, questioning "
    "nature. Your gift is an intuitive mind that learns from life itself. You observe carefully, "
    "ask searching questions and often sense the answer before you can explain it. This birthday "
    "suits research, analysis or inner growth. Emotions may run deep beneath a calm surface; when "
    "you trust your intuition and act on it, you make wise and well-timed choices.",
    // Birthday Number 26
    "You join tact with a caring heart, and together they grow into a capable, managing strength. "
    "Your gift is good judgement in practical and financial affairs, combined with real concern "
    "for others. You can manage a household, a team or a business with both efficiency and heart. "
    "This birthday brings a wish to be respected and to provide well; remember that generosity "
    "and a light touch win more loyalty than control ever will.",
    // Birthday Number 27
    "You blend sensitivity with a searching mind, and together they open into deep compassion. "
    "Your gift is wisdom joined to kindness: you think deeply and you care about people. You may "
    "be a healer, teacher, counsellor or artist who helps others understand their lives. This "
    "birthday can bring moods that swing between openness and withdrawal; giving your ideals a "
    "practical outlet keeps you steady and lets your gift shine.",
    // Birthday Number 28
    "You blend cooperation with ambition, and together they come round to a born leader's drive. "
    "Your gift is leadership with a human touch: you take charge, yet you want people to work "
    "with you rather than under you. You are independent, full of plans and ready to start "
    "something new. This birthday asks you to balance your strong will with patience and tact; "
    "when you do, others gladly follow your lead.",
    // Birthday Number 29
    "You blend sensitivity with a broad, humane outlook, and together they carry the inspired "
    "charge of a master number beneath a gentle manner. Your gift is a powerful intuition and an "
    "ability to inspire through feeling. You sense what others need and can reach people deeply "
    "through words, art or care. This birthday can bring strong emotional ups and downs; quiet "
    "routines and trust in your inner guidance help you turn that sensitivity into wisdom.",
    // Birthday Number 30
    "Your talent for words and images is turned outwards to an audience. The open circle that "
    "ends this date widens the gift it follows, from charming the people around you to reaching "
    "many people at a time: teaching, public speaking, writing for readers, design or "
    "performance suit you. You are sociable and persuasive, and you can lift the spirits of a "
    "crowd. Your lesson is discipline: ideas come easily, but the real joy comes from finishing "
    "work that others can see and share.",
    // Birthday Number 31
    "You blend a flair for expression with an independent spirit, and together they settle into a "
    "practical, building nature. Your gift is creativity with structure: you bring imagination to "
    "solid work and you like plans that lead to visible results. You are loyal, determined and "
    "good at organising your ideas. This birthday values security and a stable base; let yourself "
    "stay open to new methods, and your careful, creative work will last.",
    // Life Path / Expression Bridge Number 0
    "The road your life is meant to follow and the talents you were born with already point in "
    "the same direction: your Life Path and Expression Numbers come down to the same single "
    "digit, counting a master number as the digit it reduces to. There is no gap to close. Your "
    "task is simply to use your gifts fully on the path in front of you. Take care not to rest "
    "on this ease: a closed gap is a head start, not a finished journey.",
    // Life Path / Expression Bridge Number 1
    "This Bridge asks you to develop independence and self-confidence to bring your life's "
    "direction and your natural talents together. You may have the skills you need but hesitate "
    "to use them on your own initiative, waiting for others to approve. Practise making "
    "decisions, taking the lead and trusting your own judgement. Each time you act on your own "
    "ideas, your talents and your road through life move closer.",
    // Life Path / Expression Bridge Number 2
    "Cooperation is the link between the path you walk and the abilities you have. Your talents "
    "grow most fully in partnership, so learn to listen, to share credit and to be patient with "
    "the pace of others. Paying attention to people's feelings and to the details of working "
    "together opens doors your gifts alone could not. Tact and gentleness turn your abilities "
    "into a well-aimed life direction.",
    // Life Path / Expression Bridge Number 3
    "Self-expression is what joins your purpose in life to your talents. You may hide your "
    "abilities or take life so seriously that they never reach the path they are meant for. "
    "Develop your ability to speak, write, create and enjoy yourself; share your ideas openly and "
    "let optimism guide you. When you express who you are with warmth and humour, your talents "
    "find their way onto your road through life.",
    // Life Path / Expression Bridge Number 4
    "Discipline and order are the way to unite your life direction with your gifts. Talent "
    "without structure can drift, so build routines, set practical goals and work at them "
    "steadily. Learn to plan, organise your time and finish what you start. As you lay these "
    "foundations stone by stone, your abilities gain the firm base they need to carry you along "
    "the path your life is meant to take.",
    // Life Path / Expression Bridge Number 5
    "Flexibility and openness to change bring your life's direction and your talents into "
    "harmony. You may cling to familiar ways and so keep your gifts in too small a space. Welcome "
    "new experiences, places, people and ideas, and let yourself adapt when plans shift. Freedom "
    "used wisely lets your abilities find fresh ways to serve your path, and each change you "
    "accept narrows the gap.",
    // Life Path / Expression Bridge Number 6
    BridgeSix,
    // Life Path / Expression Bridge Number 7
    BridgeSeven,
    // Life Path / Expression Bridge Number 8
    BridgeEight,
    // Heart Desire / Personality Bridge Number 0
    "What you long for inside and the image you show the world already agree: your Heart's "
    "Desire and Personality Numbers come down to the same single digit, counting a master number "
    "as the digit it reduces to, so people tend to see you as you truly are. There is no gap "
    "between inner wish and outer face to close. Your task is to stay honest and keep it that "
    "way, letting your genuine feelings go on shaping how you present yourself.",
    // Heart Desire / Personality Bridge Number 1
    "This Bridge asks you to show your inner wishes with more courage. What you want in your "
    "heart may stay hidden behind an outward image shaped by other people's expectations. Develop "
    "self-assurance: state your preferences, stand up for what matters to you and let your "
    "individuality show in how you dress, speak and act. When your outward image carries the "
    "confidence of your inner self, inner and outer come together.",
    // Heart Desire / Personality Bridge Number 2
    "Sensitivity and tact bring your inner desires and your outward image together. You may come "
    "across as more distant, guarded or forceful than you really feel. Let people see your "
    "gentler side, listen closely and show the warmth you carry inside. Patience and cooperation "
    "in your dealings with others let them meet the real you, and your heart and your manner "
    "begin to speak with a single voice.",
    // Heart Desire / Personality Bridge Number 3
    "Joyful self-expression unites what you feel inside with how others see you. Your deepest "
    "wishes may be hidden behind a serious or reserved manner. Let your feelings out through "
    "conversation, humour, art or play, and allow yourself to be seen enjoying life. Expressing "
    "your emotions openly and kindly helps people understand what you truly want, and lets your "
    "outward image reflect your heart.",
    // Heart Desire / Personality Bridge Number 4
    "Steadiness and reliability are the link between your inner wishes and your outward image. "
    "Others may see only part of you, or an image that changes from day to day, while your heart "
    "wants something firm. Show your dependable side, keep your promises and let your actions "
    "match your words. Consistent, honest conduct makes your outward image a faithful picture of "
    "what you really desire.",
    // Heart Desire / Personality Bridge Number 5
    "Freedom and openness bring your inner self and your public face together. You may present a "
    "controlled, cautious image while your heart longs for variety and adventure, or the other "
    "way round. Let yourself be more spontaneous, try new things in the open and share your "
    "curiosity with others. When you stop hiding your restless side, people see the lively person "
    "you are inside.",
    // Heart Desire / Personality Bridge Number 6
    BridgeSix,
    // Heart Desire / Personality Bridge Number 7
    BridgeSeven,
    // Heart Desire / Personality Bridge Number 8
    BridgeEight,
    // Balance Number 1
    "In difficult times you regain your footing by drawing on your own strength and will. You "
    "tend to face trouble head on and take charge of the problem yourself. This is a good "
    "instinct, but under stress it can turn into stubbornness or a refusal to let anyone in. Your "
    "balance lies in acting with courage while still allowing trusted people to advise you; you "
    "do not have to carry every crisis alone.",
    // Balance Number 2
    "When life becomes hard, you keep your balance through patience, diplomacy and the support of "
    "others. You look for a peaceful way through conflict and are good at seeing both sides. "
    "Under pressure you may become too sensitive or give in just to keep the peace. Steady "
    "yourself by talking things over calmly, taking small gentle steps and standing by your own "
    "needs as well as everyone else's.",
    // Balance Number 3
    "You ride out stressful times with the help of humour, words and creativity. Sharing your "
    "worries, writing them down or turning to a creative hobby helps you release tension and see "
    "things more brightly. The risk is hiding behind jokes or scattering your energy instead of "
    "facing the real problem. Your balance comes from expressing your feelings honestly, then "
    "using your optimism to take sensible action.",
    // Balance Number 4
    "In a crisis you find balance through order and practical effort. Making a plan, breaking the "
    "problem into steps and dealing with each thing in turn calms you and gets results. Under "
    "stress you may become rigid, overwork or insist that things be done only your way. Stay "
    "steady by keeping to your sensible routines while leaving a little room for other people's "
    "ideas and for rest.",
    // Balance Number 5
    "You handle hard times best by staying flexible and open to change. You adapt quickly, think "
    "on your feet and can often find a new way out when the old route is blocked. Under stress, "
    "though, you may be tempted to run away, act on impulse or escape into excess. Your balance "
    "lies in using your adaptability with thought: pause, look at the options, then make the "
    "change that truly helps.",
    // Balance Number 6
    "You steady yourself in difficult times through love, responsibility and the people close to "
    "you. Turning to family and friends, and caring for others, helps you feel grounded. Under "
    "pressure you may try to fix everyone's problems or carry burdens that are not yours. Balance "
    "comes when you accept help as readily as you give it, and remember that your own well-being "
    "matters as much as anyone's.",
    // Balance Number 7
    "You keep your balance in stressful times by withdrawing to think things through. Quiet time, "
    "study and reflection help you understand what is really happening and trust your inner "
    "guidance. The danger is cutting yourself off for too long or losing yourself in worry and "
    "analysis. Your best response is to take your time to reflect, then come back, share what you "
    "have found and act on it with calm confidence.",
    // Balance Number 8
    "When a crisis strikes, you keep your balance through strength, good judgement and a sense of "
    "control. You are able to organise people and resources and to make hard decisions when "
    "others hesitate. Under stress this can turn into a need to dominate or a focus on money and "
    "status. Your balance comes from using your authority fairly, staying compassionate and "
    "remembering that not every situation can or should be controlled.",
    // Balance Number 9
    "You meet difficult times best through compassion and a broad view of life. Seeing your "
    "troubles in a larger perspective, forgiving others and helping people in need restores your "
    "peace. Under stress you may become withdrawn, overwhelmed by feeling or unwilling to let go "
    "of the past. Your balance comes from accepting what has ended, releasing old hurts and "
    "turning towards what you can still do.",
};

} // namespace corvella::texts
