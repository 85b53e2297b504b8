#include "content/texts.h"

#include <QtGlobal>

namespace corvella::texts {

const char* const InterpretationsCycles[69] = {
    // Maturity / Realization Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "A wish to stand on your own feet gathers strength from midlife onwards. You may start a "
        "venture of your own, take the lead where you used to follow, or finally act on ideas you "
        "kept to yourself. The goal that ripens is confident independence, trusting your own "
        "judgement without waiting for approval."),
    // Maturity / Realization Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Partnership and quiet cooperation become your aim as the years advance. Ambitions that "
        "used to centre on yourself soften into a wish to build good relationships, to mediate "
        "and to help others work together. Many find their real reward in a close marriage, a "
        "trusted team or the role of peacemaker, where patience counts for more than the "
        "spotlight."),
    // Maturity / Realization Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "With the passing years you grow lighter, not heavier. Writing, speaking, painting, "
        "performing or simply good company may take a bigger place in your days, and your outlook "
        "tends to brighten. The aim that emerges is to share joy and ideas, with enough focus "
        "that your talents leave something lasting."),
    // Maturity / Realization Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Solid, lasting security is the goal that comes into view from midlife. Order in your "
        "affairs, a reliable home and work that builds something step by step bring deep "
        "satisfaction, and these years reward careful planning and loyalty. Guard against "
        "rigidity by leaving a little room for change in your well-laid plans."),
    // Maturity / Realization Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Variety and adventure grow as you get older, not less. A strong pull towards travel, a "
        "change of career, new skills or very different people may surprise those who know you. "
        "The goal that emerges is freedom used wisely, so that experience is enjoyed, shared and "
        "passed on rather than scattered."),
    // Maturity / Realization Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Family, community and caring for others take centre stage as you grow older. You may "
        "become the person everyone turns to for advice, comfort or a warm meal, and a harmonious "
        "home brings you deep satisfaction. The aim is loving responsibility, given generously "
        "without trying to run other people's affairs for them."),
    // Maturity / Realization Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "After years of outward activity, you are drawn inward. Quiet, study and reflection "
        "become needs rather than luxuries, and you may turn into a specialist, a researcher or a "
        "spiritual seeker. The goal is wisdom gained through thought, without cutting yourself "
        "off from the people who care about you."),
    // Maturity / Realization Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Authority and material success come within reach after midlife. Management, a business "
        "of your own or firm control of your finances may all arrive in these years. Recognition "
        "often comes late but stays, provided power and money are handled with judgement and "
        "fairness."),
    // Maturity / Realization Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Past midlife, your aims turn to something larger than personal gain. Charity, teaching, "
        "the arts or humanitarian causes may claim your time, and tolerance and forgiveness come "
        "more easily than before. Part of the goal is letting go of old attachments gracefully, "
        "so that your energy reaches more people."),
    // Maturity / Realization Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "Strong intuition and a sense of spiritual purpose can awaken in your seasoned years. "
        "Others may come to see you as an inspiring figure, a counsellor or a visionary, and the "
        "goal is to trust the guidance you receive and pass it on. The energy runs high, so "
        "learning to calm your nerves is part of the work."),
    // Maturity / Realization Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "Experience ripens into the ability to build on a grand scale. In the years after midlife "
        "you may lead undertakings that serve whole communities, such as institutions, public "
        "buildings or systems that last. The pressure can be heavy and the discipline demanding, "
        "but the results may well outlive you."),
    // Pinnacle Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Independence and new beginnings set the tone for these years. Openings come to those who "
        "act on their own initiative, whether by starting a business, stepping into a leadership "
        "role or striking out alone. Having to rely on yourself more than usual builds courage, "
        "so trust your own ideas rather than wait for others."),
    // Pinnacle Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Gentle progress through other people marks this phase. Partnerships, marriage, teamwork "
        "and careful diplomacy bring the openings, though often slowly, and feelings run close to "
        "the surface. Patience and tact grow strong now, and success comes from attending to "
        "details and supporting those around you."),
    // Pinnacle Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Self-expression is the key opportunity of this sociable season. Writing, speaking, the "
        "arts, entertaining and friendship are favoured, and there is often more fun than usual. "
        "The climate can tempt you to spread yourself thin, so put your energy into a few chosen "
        "outlets and your talents may win real recognition."),
    // Pinnacle Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Hard work and the laying of foundations mark this stage. Opportunities come through "
        "steady effort, organisation and practical skill: buying a home, learning a trade or "
        "establishing a career. Limits on time and money can make it feel demanding, but what you "
        "build now is meant to last."),
    // Pinnacle Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Change, movement and fresh experience fill these years. Expect chances to travel, move "
        "house, switch jobs or meet people from every walk of life, and expect plans to look "
        "rather different by the end. Flexibility and curiosity are rewarded; the pitfall is "
        "acting on impulse, so keep a steady hand on your choices."),
    // Pinnacle Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Home, family and responsibility stand at the centre now. Marriage, children, caring for "
        "relatives or serving the local community often come in these years, and opportunities "
        "arrive through what you do for others. Meeting your duties with love rather than "
        "resentment turns a sometimes heavy climate into a time of deep contentment."),
    // Pinnacle Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "A quieter stretch arrives, suited to study, reflection and inner growth. Opportunities "
        "lie in education, research, specialised skill and spiritual understanding rather than in "
        "outward show, and material matters may move slowly. Use these years to deepen your "
        "knowledge and trust your own insight, and you can come out far wiser."),
    // Pinnacle Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Material ambition comes to the fore in this stretch. Business, finance and positions of "
        "authority open up, and skilful management can raise both your income and your standing, "
        "although competition is keen. With fairness and sound judgement, these years may rank "
        "among the most rewarding of your working life."),
    // Pinnacle Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Wider horizons and the closing of chapters characterise these years. Service, creative "
        "work and compassion bring the openings, and you may be drawn to causes that help many "
        "people. Endings clear the ground for what follows, and generosity and graceful letting "
        "go reward you with a broader view of the world."),
    // Pinnacle Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "Heightened intuition and inspiration colour this stage. Your ideals, your insight or an "
        "artistic or spiritual calling may bring you to public notice, and openings can come "
        "through teaching or inspiring others. The atmosphere is electric and can fray your "
        "nerves, so rest and grounding matter; followed with faith, these years can bring "
        "illumination and recognition."),
    // Pinnacle Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "The chance to achieve something of real scale opens in these years. Large projects, "
        "organisations and plans that benefit many people become possible as practical ability "
        "meets a broad vision. The pressure is high, but if you work with discipline and keep "
        "your ideals, the results can last long after the stage itself has ended."),
    // Challenge Number 0
    QT_TRANSLATE_NOOP(
        "Content",
        "Many teachers read this as a test of free choice: instead of a fixed obstacle, you may "
        "meet any of the common stumbling blocks, from self-doubt to impatience, or slip past "
        "them all. With no signpost to show where to work, it is easy to drift, so get to know "
        "yourself honestly and decide for yourself which habits to strengthen."),
    // Challenge Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Self-will and self-confidence are where your difficulty lies. You may give way too "
        "easily at times and overrule everyone at others. Learn to know your own mind, stand up "
        "for your needs without stubbornness and make decisions without fearing what others "
        "think."),
    // Challenge Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Oversensitivity is the obstacle to work on. A passing remark can wound you, and dread of "
        "conflict may make you shy, indecisive or too eager to please. Build inner security, "
        "learn that disagreement is not rejection, and attend to the details of a situation "
        "without taking everything personally."),
    // Challenge Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Self-expression is the area where you meet resistance. Shyness or fear of criticism may "
        "bottle up your feelings and ideas, or you may scatter them in chatter and exaggeration, "
        "because a harsh inner critic blocks real creativity. Practise honest expression by "
        "speaking, writing or making things regularly, and value your own voice without needing "
        "constant applause."),
    // Challenge Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Steady work and order are where you stumble. Routine may bore you so much that you avoid "
        "the patient effort success requires, or you may swing the other way into rigid habits "
        "and overwork. Make realistic plans, see tasks through and treat structure as a support "
        "rather than a prison."),
    // Challenge Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Handling freedom and change is the hard lesson here. Restlessness and impatience may "
        "pull you towards excess in food, spending or novelty, or fear may make you cling to "
        "whatever feels safe. Learn from experience, keep your commitments and welcome the "
        "changes that truly serve you."),
    // Challenge Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Ideals and responsibilities are where you trip yourself up. You may demand perfection of "
        "your family, your partner or yourself and feel let down when real people fall short, or "
        "shoulder other people's problems until you are exhausted. Accept people as they are, "
        "care without controlling and let others carry their share."),
    // Challenge Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "Trust is difficult ground for you, in people and in the world itself. Feeling isolated "
        "or misunderstood, you may retreat behind a cool, critical intellect instead of letting "
        "others come close. Open up a little at a time, let feeling count alongside analysis, and "
        "seek meaning through reflection rather than withdrawal."),
    // Challenge Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Your hardest lessons concern money and power. You may fret over material security, chase "
        "status at the expense of people, or avoid authority altogether for fear of misusing it. "
        "A balanced view of wealth and influence is the aim: handle money wisely, use power "
        "fairly and judge success by more than your bank balance."),
    // Life Path Period Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Independence is the keynote of this cycle. In childhood it can mean growing up quickly "
        "and learning to stand alone, while in the productive years it urges you to lead and to "
        "create your own opportunities. Whichever stage it governs, it shapes someone who relies "
        "on their own strength."),
    // Life Path Period Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Relationships and cooperation shape this cycle. A child under its influence is often "
        "gentle, sensitive and closely attached to others; adults find it favours partnership, "
        "teamwork and supporting roles, and later on it brings a wish for peace and "
        "companionship. Its lessons are patience, tact and the value of working quietly beside "
        "others."),
    // Life Path Period Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Expect a sociable, expressive stretch of years. Under this influence a child is often "
        "lively and imaginative, a working adult is drawn to creative or communicative work, and "
        "an older person enjoys a cheerful round of friends and hobbies. The lesson is to express "
        "yourself freely while keeping enough discipline to finish things."),
    // Life Path Period Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Effort and building characterise this phase. It can mean a strict or modest upbringing "
        "that teaches hard work early, or productive years spent laying solid foundations in "
        "career and home. Discipline, reliability and respect for doing things properly are what "
        "it develops."),
    // Life Path Period Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Restless and changeable, this cycle rarely stands still. Childhood may bring frequent "
        "moves or a great deal of variety, working years bring changes of job, travel and new "
        "experiences, and the harvest years keep you curious and on the move. Its gifts are "
        "adaptability and the wise use of freedom."),
    // Life Path Period Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Home and duty sit at the core of this phase. Early on it often means strong family ties "
        "or household responsibilities; in the productive years it brings marriage, children or "
        "caring work, and in old age it makes you the warm centre of family and community. It "
        "develops service, responsibility and a love of beauty and harmony."),
    // Life Path Period Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "This cycle turns your attention inward. A child under it may feel a little apart and ask "
        "endless questions, an adult is drawn to study, specialised work and research, and an "
        "older person turns naturally to reflection and spiritual interests. The search for "
        "knowledge and understanding is its theme."),
    // Life Path Period Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Practical ambition drives this stage. A childhood under it may be shaped by money "
        "worries or by a household that prized achievement, while working years bring a push "
        "towards business, authority and financial success. Later it can mean comfortable means "
        "and lasting influence, and throughout it teaches the sound handling of power and "
        "material things."),
    // Life Path Period Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Broad sympathy and a humanitarian outlook colour this phase. A sensitive child may be "
        "touched early by the needs of others and may have losses to come to terms with, while an "
        "adult is drawn to service, the arts or public work. Compassion, generosity and the grace "
        "of letting go are what it teaches."),
    // Life Path Period Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "Intuition and idealism run strongly through this cycle. As a formative influence it can "
        "make a child unusually perceptive and highly strung; in the productive years it calls "
        "you to inspire, teach or lead by vision, and in the harvest years it deepens spiritual "
        "insight. Managing nervous tension and trusting your flashes of understanding are its "
        "lessons."),
    // Life Path Period Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "Great potential for practical achievement on a large scale belongs to this phase. Early "
        "on it can feel heavy, a childhood weighed down by serious expectations, but in the "
        "productive years it offers the chance to plan and carry out large, useful works that may "
        "leave a lasting legacy. It teaches you to join a big vision to steady, disciplined "
        "effort."),
    // Personal Day Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Energy and initiative are on your side today. Make the call, send the application, start "
        "the task or take the decision you have been postponing, without waiting for anyone's "
        "approval. Presenting yourself with confidence brings results."),
    // Personal Day Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Today calls for a gentle touch. Listen more than you speak, work alongside others and "
        "smooth over any friction with tact, giving small details and other people's feelings "
        "your attention. Leave big decisions made alone and forceful moves for a better moment."),
    // Personal Day Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Sociable and light-hearted, the mood today favours conversation, creativity and fun. "
        "Write that letter, phone a friend, go out or make something just because you enjoy it, "
        "and words will come easily. Only idle gossip and careless spending can spoil it."),
    // Personal Day Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Work, order and routine set the tone. Clear the paperwork, do the repairs, tidy a "
        "cupboard or balance the accounts, ticking things off a list as you go. Risks and sudden "
        "plans fit poorly now, but steady effort leaves you with a satisfying sense of order."),
    // Personal Day Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Expect movement, change and surprises. Vary your route, try something unfamiliar, meet "
        "someone new or take a short trip, and stay flexible, because plans may shift at short "
        "notice. Keep an eye on impulse buys and hasty words, and enjoy the variety."),
    // Personal Day Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Home and loved ones take priority today. Visit family, help a friend, cook for someone, "
        "make the house more comfortable or sort out a domestic matter. People may lean on you, "
        "so give your time generously without taking over their problems."),
    // Personal Day Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "Slow down and give yourself room to think. Reading, studying, planning or simply resting "
        "suit the hours ahead better than busy socialising or major purchases. Spend some time "
        "alone, walk in nature or meditate, and listen to your hunches; insights come easily even "
        "if the outer world moves slowly."),
    // Personal Day Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Money, business and practical results are in focus. It is a good time to negotiate, ask "
        "for a pay rise, settle finances or deal with people in authority, acting like someone "
        "who means business. Take charge, but keep your judgement fair and avoid pushing too "
        "hard."),
    // Personal Day Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Finishing and clearing away are favoured now. Complete what is outstanding, tie up loose "
        "ends, clear clutter, give away what you no longer need and forgive an old grievance. "
        "Fresh ventures can wait, and a kindness done without expecting thanks makes room for "
        "what comes next."),
    // Personal Month Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "The weeks ahead reward initiative. Launch a plan, start a project, apply for a new role "
        "or take the lead in something that matters to you. What you set moving early on tends to "
        "shape everything after it, so keep your aims clear and move without waiting for "
        "permission."),
    // Personal Month Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Things ripen slowly during these weeks, and patience pays. Progress comes through "
        "cooperation, careful negotiation and attention to detail rather than through pushing "
        "alone. Feelings may run close to the surface, so be tactful with others and gentle with "
        "yourself while earlier plans mature."),
    // Personal Month Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Invitations, conversations and chances to shine tend to multiply now. It is a lively "
        "time for writing, art, celebrations and new friendships, and your mood is generally "
        "bright. Keep some focus, because a full social calendar can crowd out the work you meant "
        "to do."),
    // Personal Month Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Steady, organised effort is what these weeks ask for. Put your job, your health routine, "
        "your budget and the practical tasks at home in order, even if progress feels slow and "
        "the duties many. Keep to a schedule and leave bigger risks for another time; the firm "
        "base you lay now is built to last."),
    // Personal Month Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Change is in the air, and news, travel, new contacts or sudden shifts of plan may "
        "arrive. Try something new, promote yourself and loosen routines that have grown stale. "
        "Restlessness can tempt you into overspending or hasty moves, so keep your choices "
        "sensible."),
    // Personal Month Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Domestic life and the needs of others come to the front in these weeks. You may be asked "
        "to help, advise or care for someone, and it is a good stretch for improving your home, "
        "deepening commitments and settling family questions. Give willingly, but keep enough in "
        "reserve that you are not overloaded."),
    // Personal Month Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "Turn inward during these weeks. Rest, study, research and quiet reflection suit you "
        "better than pushing for results, and some plans may pause for a while. Take stock of "
        "where you are heading, look after your health and let answers arrive through quiet "
        "thought and intuition."),
    // Personal Month Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Career and finances move to the centre of attention. Business openings, financial "
        "decisions and dealings with people in authority are highlighted, and efforts made "
        "earlier may now bring recognition or reward. Be organised and decisive, and use any "
        "influence you gain fairly."),
    // Personal Month Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Completion and release are the theme of these weeks. Tie up what is unfinished, clear "
        "out what has outlived its use and let go of situations that have run their course, with "
        "generosity and a broad mind. Save major ventures for later; clearing the decks now "
        "leaves room for whatever follows."),
    // Personal Year Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Seed time has come, and what you start now shapes a long stretch to follow. Launch "
        "projects, make plans, change direction and take the initiative, because independence and "
        "courage are rewarded. Think carefully about what you truly want to grow."),
    // Personal Year Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Growth happens quietly now, below the surface. What you planted recently needs time to "
        "root, so give your attention to partnerships, cooperation and small details rather than "
        "to bold moves. Waiting and gathering serve you better than forcing results."),
    // Personal Year Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Things started recently begin to show, and the mood turns sociable and expressive. "
        "Creativity, communication and enjoyment are favoured, and it is a good moment to make "
        "yourself and your ideas known. Enjoy it, but watch that parties and spending do not "
        "scatter the progress you have made."),
    // Personal Year Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Hard, steady work lays the foundations now. Organise your affairs, give your plans a "
        "sound structure and accept that duties may outnumber rewards for a while. The discipline "
        "you show at this stage supports everything you build afterwards."),
    // Personal Year Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "A turning point arrives, opening the door to change, travel, new people and unexpected "
        "opportunities. Loosen restrictions, take well-judged chances and adapt as events move "
        "quickly. Keeping your sense of direction while staying flexible lets you make the most "
        "of this new freedom."),
    // Personal Year Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Home, love and responsibility come to the fore. Family matters, marriage, children, "
        "caring for others and community duties ask for your time, and you may settle down, move "
        "house or commit to a relationship. Give generously while weighing your needs against "
        "those of the people around you, and harmony is the reward."),
    // Personal Year Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "A pause for reflection is called for now. Outer progress may slow while you study, rest "
        "and reassess your direction, and self-understanding and spiritual growth matter more "
        "than ambition. Time spent quietly in thought prepares the ground for the practical gains "
        "that follow."),
    // Personal Year Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Effort made earlier can now be turned into reward. Promotion, financial gain and "
        "recognition are within reach, so take charge of your affairs and make the business "
        "decisions you have been weighing. Be efficient and fair, because what comes back to you "
        "reflects what you have built."),
    // Personal Year Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Endings and a thorough clearing out are due now. Let go of habits, possessions, jobs or "
        "ties that have run their course, and make room for forgiveness and generosity as you "
        "look back with understanding. Major new ventures are better held back until the space "
        "you are clearing is ready."),
};

} // namespace corvella::texts
