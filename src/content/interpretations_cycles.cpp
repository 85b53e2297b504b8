#include "content/texts.h"

namespace corvella::texts {

const char* const InterpretationsCycles[69] = {
    // Maturity / Realization Number 1
    "From midlife onwards a wish to stand on your own feet grows stronger. You may want to lead "
    "rather than follow, start a venture of your own or finally act on ideas you used to hold "
    "back. The goal that ripens is self-reliance: trusting your own judgement and becoming a "
    "confident source of new ideas.",
    // Maturity / Realization Number 2
    "Partnership and quiet cooperation become your aim as the years advance. Ambitions that used "
    "to centre on yourself soften into a wish to build good relationships, to mediate and to help "
    "others work together. Many find their real reward in a close marriage, a trusted team or the "
    "role of peacemaker, where patience counts for more than the spotlight.",
    // Maturity / Realization Number 3
    "With the passing years your gift for communication opens up. You may feel freer to write, "
    "speak, paint, perform or simply enjoy good company, and you tend to grow lighter and more "
    "optimistic rather than heavier. The aim that emerges is to share joy and ideas, and the "
    "lesson is to keep enough focus that your talents produce something lasting.",
    // Maturity / Realization Number 4
    "Solid, lasting security is the goal that comes into view from midlife. You want order in "
    "your affairs, a reliable home and work that builds something step by step, and these years "
    "reward careful planning and loyalty to your commitments. Watch for rigidity, and leave a "
    "little room for change in your well-laid plans.",
    // Maturity / Realization Number 5
    "Variety and adventure grow as you get older, not less. You may feel a strong pull to travel, "
    "change careers, learn new skills or meet very different people. The goal that emerges is "
    "freedom used wisely: adapting, enjoying experience and passing on what you have learnt "
    "without scattering your energy.",
    // Maturity / Realization Number 6
    "Family, community and caring for others take centre stage as you grow older. You may become "
    "the person everyone turns to for advice, comfort or a warm meal, and a harmonious home "
    "brings you deep satisfaction. The aim is loving responsibility, given generously without "
    "trying to run other people's affairs for them.",
    // Maturity / Realization Number 7
    "After years of outward activity, you are drawn inward. You feel a growing need for quiet, "
    "study and reflection, and many become specialists, researchers or spiritual seekers as they "
    "age. The goal is wisdom gained through thought; the danger is cutting yourself off from the "
    "people who care about you.",
    // Maturity / Realization Number 8
    "Real material success and authority come within reach after midlife. You may step into "
    "management, build a business or finally gain firm control of your finances. Recognition "
    "often arrives late but solidly, provided you handle power, money and responsibility with "
    "good judgement and fairness.",
    // Maturity / Realization Number 9
    "Past midlife, your aims turn to something larger than personal gain. You may feel drawn to "
    "charity, teaching, the arts or causes that help humanity at large, and you grow more "
    "tolerant and forgiving. Part of the goal is letting go gracefully of old attachments so that "
    "your energy can serve more people.",
    // Maturity / Realization Number 11
    "Strong intuition and a sense of spiritual purpose can awaken in your seasoned years. You may "
    "become an inspiring figure, a counsellor or a visionary whose ideas light the way for "
    "others, and the goal is to trust your inner voice and share what it shows you. The energy is "
    "intense, so learning to calm nervous tension is part of the work.",
    // Maturity / Realization Number 22
    "The chance to turn large ideals into concrete results arrives with experience. You may find "
    "yourself organising projects that serve many people, such as institutions, buildings or "
    "lasting systems, and the goal is practical vision on a grand scale. It asks for discipline "
    "and patience under great pressure, but what you build can outlast you.",
    // Pinnacle Number 1
    "Independence and new beginnings set the tone for these years. Opportunities come to those "
    "who take the initiative, whether by starting a business, stepping into a leadership role or "
    "striking out alone. You may have to rely on yourself more than usual, which builds courage, "
    "so act on your own ideas instead of waiting for others.",
    // Pinnacle Number 2
    "Progress in this stretch comes through cooperation rather than force. Opportunities arrive "
    "slowly through partnerships, marriage, teamwork and careful diplomacy, and feelings may be "
    "easily hurt. It is a fine time to develop tact and patience, and success grows from the "
    "details you attend to and the people you support.",
    // Pinnacle Number 3
    "A lively, sociable season begins in which self-expression is the key opportunity. Writing, "
    "speaking, the arts, entertaining and making friends are favoured, and there is often more "
    "fun than usual. The climate can tempt you to spread yourself thin, so channel your energy "
    "into a few chosen outlets and your talents may earn real recognition.",
    // Pinnacle Number 4
    "Hard work and the laying of foundations mark this stage. Opportunities come through steady "
    "effort, organisation and practical skill: buying a home, learning a trade or establishing a "
    "career. Limits on time and money can make it feel demanding, but what you build now is meant "
    "to last.",
    // Pinnacle Number 5
    "Change, movement and fresh experience fill these years. Expect chances to travel, move "
    "house, switch jobs or meet people from every walk of life, and expect plans to look very "
    "different by the end. Flexibility and curiosity are rewarded; the pitfall is acting on "
    "impulse, so keep a steady hand on your choices.",
    // Pinnacle Number 6
    "Home, family and responsibility stand at the centre now. Marriage, children, caring for "
    "relatives or serving the local community often come in these years, and opportunities arrive "
    "through what you do for others. Meeting your duties with love rather than resentment turns a "
    "sometimes heavy climate into a time of deep contentment.",
    // Pinnacle Number 7
    "A quieter stretch arrives, suited to study, reflection and inner growth. Opportunities lie "
    "in education, research, specialised skill and spiritual understanding rather than in outward "
    "show, and material matters may move slowly. Use these years to deepen your knowledge and "
    "trust your own insight, and you will come out far wiser.",
    // Pinnacle Number 8
    "Ambition, achievement and material opportunity rule the period. Business, finance and "
    "positions of authority open up, and good management can bring real gains in money and status "
    "in a competitive climate. Handled with fairness, confidence and sound judgement, these can "
    "be among the most successful years of your working life.",
    // Pinnacle Number 9
    "Broadening horizons and completion characterise these years. Opportunities come through "
    "service, creativity and compassion, and you may be drawn to work that benefits many people. "
    "Chapters close so that new ones can open, and giving freely and letting go gracefully reward "
    "you with a wider outlook.",
    // Pinnacle Number 11
    "Heightened intuition and inspiration colour this stage. You may be noticed for your ideals, "
    "your insight or an artistic or spiritual calling, and opportunities can come through "
    "teaching or inspiring others. The climate is electric and can strain your nerves, so rest "
    "and grounding matter; followed with faith, it can bring illumination and public recognition.",
    // Pinnacle Number 22
    "The chance to achieve something of real scale opens in these years. Large projects, "
    "organisations and plans that benefit many people become possible as practical ability meets "
    "a broad vision. The pressure is high, but if you work with discipline and keep your ideals, "
    "the results can last long after the stage itself has ended.",
    // Challenge Number 0
    "Freedom of choice is the test here: instead of a fixed obstacle, you may meet any of the "
    "common stumbling blocks, from self-doubt to impatience, or slip past them all. Because no "
    "signpost tells you where to work, it is easy to drift. Get to know yourself honestly, notice "
    "where you tend to fall short and decide for yourself which habits to strengthen.",
    // Challenge Number 1
    "Self-will and self-confidence are where your difficulty lies. You may swing between letting "
    "others push you around and pushing them around yourself. The work is to find a healthy sense "
    "of who you are, standing up for your needs without stubbornness and making decisions without "
    "fearing what others think.",
    // Challenge Number 2
    "Oversensitivity is the obstacle to work on. Small remarks may hurt deeply, and fear of "
    "conflict can make you shy, indecisive or too eager to please, so that other people's moods "
    "run your affairs. Build inner security, learn that disagreement is not rejection, and notice "
    "the details of a situation without taking everything personally.",
    // Challenge Number 3
    "Self-expression is the area where you meet resistance. You may hold back your feelings and "
    "ideas out of shyness or fear of criticism, or else scatter them in chatter and exaggeration, "
    "because an inner critic blocks real creativity. Practise honest expression by speaking, "
    "writing or making things regularly, and value your own voice without needing constant "
    "applause.",
    // Challenge Number 4
    "Your stumbling block lies in work, order and discipline. You may find routine tedious and "
    "avoid the steady effort success needs, or go the other way and become rigid, overworked and "
    "stuck in fixed habits. Make realistic plans, finish what you start and accept structure as a "
    "support rather than a prison.",
    // Challenge Number 5
    "Freedom, and how you handle change, is the hard lesson here. You may be restless, impatient "
    "and tempted by excess in food, spending or novelty, or else so afraid of change that you "
    "cling to whatever feels safe. Learn from experience, keep your commitments and welcome the "
    "changes that truly serve you.",
    // Challenge Number 6
    "Responsibility and high ideals cause you the most trouble. You may expect perfection from "
    "your family, your partner or yourself and feel let down when reality falls short, or take on "
    "other people's problems until you are worn out. Accept people as they are, give care without "
    "controlling, and let others carry their share of the load.",
    // Challenge Number 7
    "Trust is difficult ground for you, in people and in the world itself. You may feel isolated, "
    "misunderstood or suspicious, and hide behind a cool, critical mind instead of letting others "
    "come close. Open up a little at a time, weigh analysis against feeling, and seek meaning "
    "through quiet reflection rather than withdrawal.",
    // Challenge Number 8
    "Money, power and control are the testing areas. You may worry too much about material "
    "security, chase status at the expense of people, or shy away from authority altogether. "
    "Develop a balanced attitude to wealth and influence: handle money wisely, use power fairly "
    "and measure success by more than the size of your bank balance.",
    // Life Path Period Number 1
    "Independence is the keynote of this cycle. In childhood it can mean growing up quickly and "
    "learning to stand alone, while in the productive years it urges you to lead and to create "
    "your own opportunities. Whichever stage it governs, it shapes someone who relies on their "
    "own strength.",
    // Life Path Period Number 2
    "Relationships and cooperation shape this cycle. A child under its influence is often gentle, "
    "sensitive and closely attached to others; adults find it favours partnership, teamwork and "
    "supporting roles, and later on it brings a wish for peace and companionship. Its lessons are "
    "patience, tact and the value of working quietly beside others.",
    // Life Path Period Number 3
    "Expect a sociable, expressive stretch of years. Under this influence a child is often lively "
    "and imaginative, a working adult is drawn to creative or communicative work, and an older "
    "person enjoys a cheerful round of friends and hobbies. The lesson is to express yourself "
    "freely while keeping enough discipline to finish things.",
    // Life Path Period Number 4
    "Effort and building characterise this phase. It can mean a strict or modest upbringing that "
    "teaches hard work early, or productive years spent laying solid foundations in career and "
    "home. Discipline, reliability and respect for doing things properly are what it develops.",
    // Life Path Period Number 5
    "Restless and changeable, this cycle rarely stands still. Childhood may bring frequent moves "
    "or a great deal of variety, working years bring changes of job, travel and new experiences, "
    "and the harvest years keep you curious and on the move. Its gifts are adaptability and the "
    "wise use of freedom.",
    // Life Path Period Number 6
    "Home and duty sit at the core of this phase. Early on it often means strong family ties or "
    "household responsibilities; in the productive years it brings marriage, children or caring "
    "work, and in old age it makes you the warm centre of family and community. It develops "
    "service, responsibility and a love of beauty and harmony.",
    // Life Path Period Number 7
    "This cycle turns your attention inward. A child under it may feel a little apart and ask "
    "endless questions, an adult is drawn to study, specialised work and research, and an older "
    "person turns naturally to reflection and spiritual interests. The search for knowledge and "
    "understanding is its theme.",
    // Life Path Period Number 8
    "Practical ambition drives this stage. Early on it may bring a concern with money or a home "
    "where achievement was prized; in the productive years it pushes you towards business, "
    "authority and financial success; in the harvest years it can mean comfortable means and "
    "continued influence. It teaches you to manage power and material matters with good "
    "judgement.",
    // Life Path Period Number 9
    "Broad sympathy and a humanitarian outlook colour this phase. A sensitive child may be "
    "touched early by the needs of others and may have losses to come to terms with, while an "
    "adult is drawn to service, the arts or public work. Compassion, generosity and the grace of "
    "letting go are what it teaches.",
    // Life Path Period Number 11
    "Intuition and idealism run strongly through this cycle. As a formative influence it can make "
    "a child unusually perceptive and highly strung; in the productive years it calls you to "
    "inspire, teach or lead by vision, and in the harvest years it deepens spiritual insight. "
    "Managing nervous tension and trusting your flashes of understanding are its lessons.",
    // Life Path Period Number 22
    "Great potential for practical achievement on a large scale belongs to this phase. Early on "
    "it can feel heavy, a childhood weighed down by serious expectations, but in the productive "
    "years it offers the chance to plan and carry out large, useful works that may leave a "
    "lasting legacy. It teaches you to join a big vision to steady, disciplined effort.",
    // Personal Day Number 1
    "This is a good moment for beginnings. The mood is energetic and self-directed, so start a "
    "new task, put forward an idea, apply for something or make the decision you have been "
    "putting off. Act on your own initiative, present yourself with confidence and make the "
    "opening move.",
    // Personal Day Number 2
    "A quieter, more receptive mood sets in. Listening, cooperating and smoothing things over go "
    "well now: meet a colleague, work on a shared task or have a gentle talk with your partner. "
    "Avoid forcing matters or making big decisions alone, and pay attention to small details and "
    "other people's feelings.",
    // Personal Day Number 3
    "Cheerful and sociable, today invites you to talk, write, call friends, go out or make "
    "something just for the pleasure of it. Words come easily, so use them for a letter, a "
    "presentation or a kind compliment. Guard against frittering the hours away on gossip or idle "
    "spending.",
    // Personal Day Number 4
    "Get down to work: the mood is practical and steady. Tackle the chores, paperwork, repairs "
    "and routine tasks, make a list and work through it, or sort out a cupboard and balance your "
    "accounts. It is not a time for risks, but the effort pays off in a pleasant sense of order "
    "by the evening.",
    // Personal Day Number 5
    "Surprises and a restless, lively mood are in the air. Break your routine: take a different "
    "route, try something new, meet new people, make a short trip or advertise something. Stay "
    "flexible, because plans may shift at short notice, and watch out for impulsive purchases or "
    "rash words.",
    // Personal Day Number 6
    "Home and the people you care for take priority today. Visit family, help a friend, cook a "
    "meal, tidy the house or settle a domestic matter. Others may lean on you, so be generous "
    "with your time without taking over their problems, and small kindnesses will create a warm "
    "mood.",
    // Personal Day Number 7
    "Slow down and give yourself room to think. Reading, studying, planning or simply resting "
    "suit the hours ahead better than busy socialising or major purchases. Spend some time alone, "
    "walk in nature or meditate, and listen to your hunches; insights come easily even if the "
    "outer world moves slowly.",
    // Personal Day Number 8
    "Business and practical results are the focus. The mood is confident and efficient, so handle "
    "money matters, negotiate, ask for a pay rise, make an important call or deal with people in "
    "authority. Take charge, but keep your judgement sound and avoid being too pushy.",
    // Personal Day Number 9
    "Finishing things and clearing away are favoured now. The mood is generous and a little "
    "reflective: complete tasks, tie up loose ends, clear clutter, give something away or forgive "
    "an old grievance. Leave new ventures for later, and help someone without expecting a return, "
    "which makes space for whatever comes next.",
    // Personal Month Number 1
    "Fresh starts are the theme for the weeks ahead. Launch plans, begin a project, seek a new "
    "position or take the lead in something that matters to you. Energy tends to run high, and "
    "what you set in motion early on shapes everything after it, so keep your goals clear.",
    // Personal Month Number 2
    "Patience and cooperation set the pace now. Things develop slowly, and results depend on "
    "working with others rather than alone, so nurture relationships, negotiate, gather "
    "information and let plans begun earlier mature. Emotions may be close to the surface; be "
    "tactful with others and kind to yourself.",
    // Personal Month Number 3
    "Invitations, conversations and chances to express yourself tend to multiply during these "
    "weeks. It is a good time for writing, artistic work, celebrations and new friendships, and "
    "your mood is generally brighter. Keep some focus, because a busy social calendar can crowd "
    "out the work you meant to do.",
    // Personal Month Number 4
    "Work and organisation fill these weeks. Attend to your job, your health routine, your budget "
    "and practical matters at home; progress may feel slow and the duties many, but steady effort "
    "lays a firm base. Plan carefully, keep to a schedule and save bigger risks for another time.",
    // Personal Month Number 5
    "Expect the unexpected: news, travel, new contacts or shifts in your plans. It is a good time "
    "to try new things, promote yourself and loosen old routines. Keep your choices sensible, "
    "though, as restlessness may tempt you to overspend or make hasty changes you later regret.",
    // Personal Month Number 6
    "Home, family and responsibility take priority in the weeks ahead. You may be asked to help, "
    "advise or care for someone, and it is a good stretch for improving your home, strengthening "
    "commitments and settling family questions. Give willingly, but keep enough in reserve that "
    "you are not overloaded.",
    // Personal Month Number 7
    "A reflective, inward stretch suits study, rest, research and thinking things through. You "
    "may want more time alone, and some plans may stall for a while rather than bring outer "
    "results. Review where you are heading, look after your health and listen to your intuition; "
    "answers come through quiet thought.",
    // Personal Month Number 8
    "Money, career and achievement are in focus. Business opportunities, financial decisions and "
    "dealings with those in authority are highlighted, and efforts made earlier may now bring "
    "recognition or reward. Be organised and decisive, and use any power you gain with fairness.",
    // Personal Month Number 9
    "Completion and release are the theme of these weeks. Finish what is outstanding, clear out "
    "what is no longer useful and let go of situations that have run their course, with "
    "generosity and a broad mind. Avoid beginning major ventures now; clear the decks so that you "
    "have room for whatever follows.",
    // Personal Year Number 1
    "New beginnings mark the months ahead, a time to sow seeds for what you want to grow. Start "
    "projects, make plans, change direction and take the initiative, because independence and "
    "courage are rewarded. The choices you make now set the tone for a long stretch to come.",
    // Personal Year Number 2
    "Patience is called for now. Seeds planted recently need time to take root, so progress may "
    "seem slow; focus on partnerships, cooperation and details, and develop the relationships "
    "that will support your plans. Waiting, gathering and quiet growth serve you better than "
    "forcing results.",
    // Personal Year Number 3
    "What you began recently starts to show, and the months ahead become more expressive and "
    "sociable. It is a time for creativity, communication and enjoyment, and a good moment to "
    "make yourself and your ideas known. Keep an eye on focus and spending so that the fun does "
    "not scatter your progress.",
    // Personal Year Number 4
    "Foundations are built in the months ahead. Settle down to work, organise your affairs and "
    "give your plans a solid structure. It may feel demanding, with more duties than rewards, but "
    "the discipline you show now supports everything you build afterwards.",
    // Personal Year Number 5
    "A turning point arrives, bringing change, travel, new people and unexpected opportunities. "
    "Loosen restrictions, take well-judged chances and adapt as things move fast. Staying "
    "flexible while keeping your sense of direction lets you make the most of this freedom.",
    // Personal Year Number 6
    "Home, love and responsibility come to the fore. Family matters, marriage, children, caring "
    "for others and community duties ask for your time, and you may settle down, move house or "
    "commit to a relationship. Give generously while weighing your needs against those of the "
    "people around you, and harmony is the reward.",
    // Personal Year Number 7
    "Now is the time to pause and look inward. Outer progress may slow while you study, reflect, "
    "rest and reassess your direction, and learning, self-understanding and spiritual growth "
    "matter more than pushing ambitions. Time spent alone in thought prepares you for the "
    "practical gains that come afterwards.",
    // Personal Year Number 8
    "Harvest and achievement are within reach. Earlier effort can pay off now in career "
    "advancement, financial gains and recognition, so make business decisions and take charge of "
    "your affairs. Be efficient and fair, because what you receive reflects what you have built "
    "so far.",
    // Personal Year Number 9
    "Old chapters close as you clear away what you no longer need, whether habits, possessions, "
    "jobs or relationships that have run their course. Forgiveness, generosity and looking back "
    "with understanding belong to this stretch. Avoid starting major ventures; the space you make "
    "now will be filled by what comes next.",
};

} // namespace corvella::texts
