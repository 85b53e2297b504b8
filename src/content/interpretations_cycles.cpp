#include "content/texts.h"

namespace corvella::texts {

const char* const InterpretationsCycles[69] = {
    // Maturity / Realization Number 1
    "From midlife onwards you feel a growing wish to stand on your own feet. You may find that "
    "you want to lead rather than follow, start a venture of your own or finally act on ideas "
    "you once held back. The goal that ripens is self-reliance: trusting your own judgement, "
    "making decisions without waiting for approval and becoming a confident source of new ideas.",
    // Maturity / Realization Number 2
    "From midlife onwards, life turns you towards partnership and quiet cooperation. Ambitions "
    "that once centred on yourself soften into a wish to build good relationships, mediate and "
    "help others work together. Many people with this number find their real reward later on in "
    "a close marriage, a trusted team or a role as peacemaker, where patience and tact count for "
    "more than being in the spotlight.",
    // Maturity / Realization Number 3
    "Beyond midlife, your gift for expression opens up. As the years pass you may feel "
    "freer to write, speak, paint, perform or simply enjoy good company, and you tend to grow "
    "lighter and more optimistic rather than heavier. The aim that emerges is to share joy and "
    "ideas with others; the lesson is to keep enough focus that your many talents produce "
    "something lasting.",
    // Maturity / Realization Number 4
    "The goal that comes into view from midlife onwards is solid, lasting security. You are "
    "likely to want order in your affairs, a reliable home base and work that builds something "
    "step by step. These years reward steady effort, careful planning and loyalty to your "
    "commitments; the risk to watch for is becoming rigid, so leave a little room for change in "
    "your well-laid plans.",
    // Maturity / Realization Number 5
    "Life grows more varied and adventurous as you get older, not less. From midlife onwards you "
    "may feel a strong pull to travel, change careers, learn new skills or meet very different "
    "people. The goal that emerges is personal freedom used wisely: the ability to adapt, to "
    "enjoy experience and to pass on what you have learned, without scattering your energy in "
    "too many directions at once.",
    // Maturity / Realization Number 6
    "Once you reach midlife, life centres on family, community and caring for others. You may "
    "become the person everyone turns to for advice, comfort or a warm meal, and you will often "
    "find deep satisfaction in a home that feels harmonious. The goal that ripens is loving "
    "responsibility; the lesson is to give generously without trying to run other people's lives "
    "for them.",
    // Maturity / Realization Number 7
    "From midlife on, life draws you inward. After years of outward activity you may feel a "
    "growing need for quiet, study and reflection, and a wish to understand the deeper meaning "
    "behind events. Many people with this number become specialists, researchers or spiritual "
    "seekers later on. The goal is wisdom gained through thought; the danger is cutting yourself "
    "off from the people who care about you.",
    // Maturity / Realization Number 8
    "The years after midlife bring a chance to reach real material success and authority. You "
    "may step into positions of management, build a business or finally gain firm control of "
    "your finances. The goal that emerges is to handle power, money and responsibility with "
    "good judgement and fairness. Recognition often comes late but solidly, as long as "
    "ambition stays balanced by integrity.",
    // Maturity / Realization Number 9
    "Past midlife, your life turns to something larger than personal gain. As you mature "
    "you may feel drawn to charity, teaching, the arts or causes that help humanity at large, "
    "and you grow more tolerant and forgiving. The goal that ripens is compassion in action. "
    "Part of the lesson is letting go gracefully of old attachments, so that your energy can "
    "serve a wider circle.",
    // Maturity / Realization Number 11
    "Under this master number the years from midlife onwards can awaken strong intuition and a "
    "sense of spiritual purpose. You may become an inspiring figure, a counsellor or a visionary "
    "whose ideas light the way for others. The goal is to trust your inner voice and share what "
    "it shows you. Because the energy is intense, learning to calm nervous tension and stay "
    "grounded is part of reaching this goal.",
    // Maturity / Realization Number 22
    "Under this master number the years from midlife onwards offer the chance to turn large "
    "ideals into concrete results. You may find yourself organising projects that serve many "
    "people, such as institutions, buildings or lasting systems. The goal that emerges is "
    "practical vision on a big scale. It asks for discipline and patience, and the pressure can "
    "be great, but what you build can outlast you.",
    // Pinnacle Number 1
    "This period of life has a climate that favours independence and new beginnings. During "
    "these years opportunities come to those who take the initiative: starting a business, "
    "stepping into a leadership role or striking out on your own. You may have to rely on "
    "yourself more than usual, which builds courage and confidence. Make the most of this "
    "Pinnacle by acting on your own ideas instead of waiting for others.",
    // Pinnacle Number 2
    "Progress in this period comes through cooperation rather than force. The climate of these "
    "years is gentle and sometimes slow; opportunities arrive through partnerships, marriage, "
    "teamwork and careful diplomacy. Sensitivity is heightened, so feelings may be easily "
    "hurt, yet this is also a fine time to develop tact and patience. Success in this Pinnacle "
    "grows from the details you attend to and the people you support.",
    // Pinnacle Number 3
    "A lively, sociable period begins in which self-expression is the key opportunity. These "
    "years favour writing, speaking, the arts, entertaining and making friends, and there is "
    "often more fun and lightness than usual. The climate encourages creativity, but it can "
    "also tempt you to spread yourself thin. Channel your energy into a few chosen outlets and "
    "this Pinnacle can bring real recognition for your talents.",
    // Pinnacle Number 4
    "This is a period of hard work and building foundations. The opportunities of these years "
    "come through steady effort, organisation and practical skill: buying a home, learning a "
    "trade, establishing a career. The climate can feel demanding, with limits on time and "
    "money, but what you build now is meant to last. Patience, order and persistence are the "
    "tools that turn this Pinnacle into lasting security.",
    // Pinnacle Number 5
    "This period is full of change, movement and fresh experience. Expect opportunities to "
    "travel, move house, switch jobs or meet people from all walks of life. The climate is "
    "restless and exciting, and plans made at the start of the period may look very different "
    "by its end. This Pinnacle rewards flexibility and curiosity; its pitfall is acting on "
    "impulse, so keep a steady hand on your choices while enjoying the variety.",
    // Pinnacle Number 6
    "This period of life centres on home, family and responsibility. These years often bring "
    "marriage, children, caring for relatives or serving the local community, and "
    "opportunities come through what you do for others. The climate is warm but can feel heavy "
    "with duties. Meeting those duties with love rather than resentment makes this Pinnacle a "
    "time of deep contentment and a settled, welcoming home.",
    // Pinnacle Number 7
    "A quieter period arrives, suited to study, reflection and inner growth. The opportunities "
    "of these years lie in education, research, specialised skill and spiritual understanding "
    "rather than in outward show. The climate may feel solitary, and material matters "
    "sometimes move slowly. Use this Pinnacle to deepen your knowledge and learn to trust your "
    "own insight, and it will leave you far wiser than before.",
    // Pinnacle Number 8
    "This is a period of ambition, achievement and material opportunity. During these years "
    "business, finance and positions of authority open up, and good management can bring real "
    "gains in money and status. The climate is competitive and asks for confidence and sound "
    "judgement. Handled with fairness and efficiency, this Pinnacle can be among the most "
    "successful stretches of your working life.",
    // Pinnacle Number 9
    "This period brings broadening horizons and completion. The opportunities of these years "
    "come through service, creativity and compassion, and you may be drawn to work that "
    "benefits many people. The climate also brings endings: chapters close so that new ones "
    "can open later. This Pinnacle asks you to give freely and let go gracefully, and it "
    "rewards generosity with a wider outlook on life.",
    // Pinnacle Number 11
    "Ruled by a master number, this period brings heightened intuition and inspiration. During "
    "these years you may be noticed for your ideals, your insight or an artistic or spiritual "
    "calling, and opportunities can come through teaching or inspiring others. The climate is "
    "electric and can bring nervous strain, so rest and grounding matter. Followed with faith, "
    "this Pinnacle can bring illumination and public recognition.",
    // Pinnacle Number 22
    "Ruled by a master number of practical vision, this period offers the chance to achieve "
    "something of real scale. The opportunities of these years involve large projects, "
    "organisations or plans that can benefit many people, as practical ability meets a broad "
    "vision. The climate is demanding and the pressure high. If you work with discipline and "
    "keep your ideals, this Pinnacle can produce results that last long after it ends.",
    // Challenge Number 0
    "No single obstacle is marked out for you here. That does not mean there is nothing to "
    "learn: no lesson announces itself, so you have to find your own weak spots, which can be a "
    "gift or a trap, because without a clear signpost it is easy to drift. Work on this "
    "Challenge by knowing yourself honestly, noticing where you tend to fall short, and deciding "
    "for yourself which of those habits to strengthen first.",
    // Challenge Number 1
    "This obstacle revolves around self-will and self-confidence. You may swing between "
    "letting others push you around and pushing them around yourself. The work here is to find "
    "a healthy sense of your own identity: to stand up for your needs without being stubborn "
    "or selfish, and to make decisions alone without fearing what others will think of them.",
    // Challenge Number 2
    "This Challenge asks you to work on oversensitivity. Small remarks may hurt deeply, and "
    "fear of conflict can make you shy, indecisive or too eager to please. The obstacle is "
    "letting other people's moods run your life. Overcome it by building inner security, "
    "learning that disagreement is not rejection, and noticing the details of a situation "
    "without taking everything personally.",
    // Challenge Number 3
    "This Challenge concerns self-expression. You may hold back your feelings and ideas out of "
    "shyness or fear of criticism, or else scatter them in chatter and exaggeration. The "
    "obstacle is an inner critic that blocks genuine creativity. Work on this Challenge by "
    "practising honest expression - speaking, writing or making things regularly - and by "
    "valuing your own voice without needing constant applause.",
    // Challenge Number 4
    "Here the obstacle lies in work, order and discipline. You may find routine tedious and "
    "avoid the steady effort that success needs, or go the other way and become rigid, "
    "overworked and stuck in fixed habits. The task is to find a sensible balance: make "
    "realistic plans, finish what you start, and accept structure as a support rather than a "
    "prison.",
    // Challenge Number 5
    "This Challenge concerns freedom and how you handle change. You may be restless, impatient "
    "and tempted by excess - too much food, spending or novelty - or, on the other side, so "
    "afraid of change that you cling to whatever feels safe. The obstacle is using freedom "
    "responsibly. Work on it by learning from experience, keeping your commitments and "
    "welcoming the changes that truly serve you.",
    // Challenge Number 6
    "The obstacle here lies in matters of responsibility and ideals. You may expect perfection "
    "from your family, your partner or yourself and feel let down when reality falls short, or "
    "take on other people's problems until you are worn out. The work is to accept people as "
    "they are, give care without controlling, and let others carry their own share of the "
    "load.",
    // Challenge Number 7
    "This Challenge concerns trust and your inner life. You may feel isolated, misunderstood "
    "or suspicious, and hide behind a cool, critical mind instead of letting others get close. "
    "The obstacle is a lack of faith, in people and in life itself. Work on this Challenge by "
    "opening up a little at a time, balancing analysis with feeling, and seeking meaning "
    "through quiet reflection rather than withdrawal.",
    // Challenge Number 8
    "The obstacle here is money, power and control. You may worry too much about material "
    "security, chase status at the expense of people, or shy away from authority altogether. "
    "The task is to develop a balanced attitude to wealth and influence: handle money wisely, "
    "use power fairly, and measure success by more than the size of your bank balance.",
    // Life Path Period Number 1
    "This influence colours a long cycle of life with the need to become independent. In the "
    "formative period it can mean a childhood in which you had to grow up quickly and stand "
    "alone; in the productive middle period it urges you to lead and create your own path; in "
    "the harvest period it keeps you active and self-directed. Whichever period it rules, it "
    "shapes you into someone who relies on their own strength.",
    // Life Path Period Number 2
    "This period brings a cycle of life shaped by relationships and cooperation. As a "
    "formative influence it can make a child gentle, sensitive and closely attached to others; "
    "in the productive period it favours partnership, teamwork and supporting roles; in the "
    "harvest years it brings a wish for peace and companionship. This influence teaches "
    "patience, tact and the value of working quietly alongside others.",
    // Life Path Period Number 3
    "This influence gives a cycle of life an expressive, social flavour. During the formative "
    "years it may show as a lively, imaginative child; during the productive years it draws "
    "you to creative or communicative work; in the harvest period it brings a sociable, "
    "cheerful old age full of friends and hobbies. Throughout, the lesson of this period is to "
    "express yourself freely while keeping enough discipline to finish things.",
    // Life Path Period Number 4
    "Here a cycle of life becomes a time of effort and building. As the formative influence it "
    "can mean a strict or modest upbringing that teaches hard work early; in the productive "
    "period it asks you to lay solid foundations in career and home; in the harvest years it "
    "keeps you busy and practical. This influence develops discipline, reliability and a "
    "respect for doing things properly.",
    // Life Path Period Number 5
    "This influence gives a cycle of life a restless, changeable character. In the formative "
    "period it may mean frequent moves or a childhood full of variety; in the productive "
    "period it brings changes of job, travel and new experiences; in the harvest years it "
    "keeps you curious and on the move. The influence of this period teaches adaptability and "
    "the wise use of personal freedom.",
    // Life Path Period Number 6
    "This period shapes a cycle of life around home and duty. As a formative influence it "
    "often means strong family ties or early responsibilities in the household; in the "
    "productive years it brings marriage, children or caring work; in the harvest period it "
    "makes you the warm centre of family and community. This influence develops a sense of "
    "responsibility and service, and a love of beauty and harmony.",
    // Life Path Period Number 7
    "This period makes a cycle of life thoughtful and inward-looking. In the formative years "
    "it can mean a quiet, questioning child who feels a little apart from others; in the "
    "productive years it favours study, specialised work and research; in the harvest period "
    "it brings a natural turn towards reflection and spiritual interests. The influence of "
    "this period is the search for knowledge and inner understanding.",
    // Life Path Period Number 8
    "This influence gives a cycle of life a practical, ambitious direction. As a formative "
    "influence it may bring an early concern with money or a home where achievement was "
    "prized; in the productive years it drives you towards business, authority and financial "
    "success; in the harvest period it can mean comfortable means and continued influence. "
    "This period teaches you to manage power and material matters with good judgement.",
    // Life Path Period Number 9
    "This period lends a cycle of life a broad, humanitarian outlook. In the formative years "
    "it can mean a sensitive child touched early by the needs of others, sometimes with losses "
    "to come to terms with; in the productive years it favours service, the arts or work for "
    "the public; in the harvest period it brings generosity and wisdom. This influence teaches "
    "compassion and the grace of letting go.",
    // Life Path Period Number 11
    "Carrying the energy of a master number, this period colours its part of life with intuition "
    "and idealism. As the formative influence it can make a child unusually perceptive and "
    "highly strung; in the productive period it calls you to inspire, teach or lead by vision; "
    "in the harvest years it deepens spiritual insight. This period asks you to manage nervous "
    "tension and to trust the flashes of understanding that come to you.",
    // Life Path Period Number 22
    "Under this master number, the part of life it rules holds great potential for practical "
    "achievement. As a formative influence it can feel heavy, a childhood weighed by serious "
    "expectations; in the productive period it offers the chance to plan and carry out large, "
    "useful works; in the harvest years it can leave a lasting legacy. This period teaches you "
    "to join a big vision to steady, disciplined effort.",
    // Personal Day Number 1
    "Today is a good day for beginnings. The mood is energetic and self-directed, so start a "
    "new task, put forward an idea, apply for something or make a decision you have been "
    "putting off. Act on your own initiative rather than waiting for others to agree. It is a "
    "day to be a little bold, present yourself with confidence and make the opening move.",
    // Personal Day Number 2
    "Today brings a quieter, more receptive mood. It is a good day for listening, cooperating "
    "and smoothing things over: meet a colleague, work on a shared task or have a gentle talk "
    "with your partner. Avoid forcing matters or making big decisions alone. Pay attention to "
    "small details and other people's feelings, and let the day unfold at its own pace.",
    // Personal Day Number 3
    "Today has a cheerful, sociable mood. It is a fine day to talk, write, call friends, go "
    "out or do something creative just for the pleasure of it. Words come easily, so use them "
    "for a letter, a presentation or a kind compliment. Guard against frittering the hours "
    "away on gossip or idle spending; otherwise, enjoy the lightness of the day.",
    // Personal Day Number 4
    "Today is a day for getting down to work. The mood is practical and steady, so tackle the "
    "chores, paperwork, repairs or routine tasks that need doing. Make a list and work through "
    "it; sort out a cupboard or balance your accounts. It is not the best day for risks or "
    "spontaneous plans, but effort put in today pays off in a pleasant sense of order by the "
    "evening.",
    // Personal Day Number 5
    "Today brings a restless, lively mood and the chance of surprises. It is good for a break "
    "in routine: take a different route, try something new, meet new people, make a short trip "
    "or advertise something. Stay flexible, because plans may shift at short notice. Watch out "
    "for impulsive purchases or rash words, and enjoy the variety the day offers.",
    // Personal Day Number 6
    "Today turns towards home and the people you care for. It is a good day to visit family, "
    "help a friend, cook a meal, tidy or decorate the house, or settle a domestic matter. "
    "Others may lean on you, so be generous with your time, but do not take over their "
    "problems. Small kindnesses shown today create a warm, harmonious mood.",
    // Personal Day Number 7
    "Today asks for a slower, quieter pace. The mood favours thinking, reading, studying, "
    "planning or simply resting, rather than busy socialising or major purchases. Spend some "
    "time alone, take a walk in nature or meditate, and listen to your hunches. Things may not "
    "move quickly in the outer world today, but insights come easily if you give yourself "
    "room.",
    // Personal Day Number 8
    "Today is a day for business and practical results. The mood is confident and efficient, "
    "so handle money matters, negotiate, ask for a raise, make an important call or deal with "
    "people in authority. Act like someone who means business. It is a good day to take "
    "charge, but keep your judgement balanced and avoid being too pushy with others.",
    // Personal Day Number 9
    "Today is a day for finishing and clearing away. The mood is generous and a little "
    "reflective: complete tasks, tie up loose ends, clear clutter, give something away or "
    "forgive an old grievance. It is not the best day to start anything new. Helping someone "
    "without expecting a return suits this day well, and leaves space for whatever comes next.",
    // Personal Month Number 1
    "Fresh starts are the theme for the weeks ahead. This is the month to launch plans, begin "
    "a project, seek a new position or take the lead in something that matters to you. Energy "
    "tends to run high, and what you set in motion early on shapes the rest of the month. Keep "
    "your goals clear and do not wait for permission to get moving.",
    // Personal Month Number 2
    "This month's theme is patience and cooperation. Things tend to develop slowly, and "
    "results depend on working with others rather than alone. Use these weeks to nurture "
    "relationships, negotiate, gather information and wait for plans begun earlier to mature. "
    "Emotions may be closer to the surface than usual, so be tactful with others and kind to "
    "yourself.",
    // Personal Month Number 3
    "This month has a social, creative theme. Invitations, conversations and chances to "
    "express yourself tend to multiply, and it is a good period for writing, artistic work, "
    "celebrations and new friendships. Your mood is generally brighter. Over the weeks, try to "
    "keep some focus, because a busy social calendar can easily crowd out the work you meant "
    "to do.",
    // Personal Month Number 4
    "This is a month of work and organisation. The theme is building: attend to your job, your "
    "health routine, your budget and any practical matters at home. Progress may feel slow and "
    "the weeks may seem full of duties, but steady effort now lays a firm base. Plan "
    "carefully, keep to a schedule, and save bigger risks for another month.",
    // Personal Month Number 5
    "This month's theme is change and freedom. Expect the unexpected: news, travel, new "
    "contacts or shifts in your plans may arrive during these weeks. It is a good month to try "
    "new things, promote yourself and loosen old routines. Keep your choices sensible, though, "
    "as restlessness may tempt you to overspend or make hasty changes you later regret.",
    // Personal Month Number 6
    "This month centres on home, family and responsibility. During these weeks domestic "
    "matters, relationships and the needs of others take priority, and you may be asked to "
    "help, advise or care for someone. It is a good month for improving your home, "
    "strengthening commitments and settling family questions. Give willingly, but keep some "
    "balance so that you are not overloaded.",
    // Personal Month Number 7
    "This month has a reflective, inward theme. These weeks suit study, rest, research and "
    "thinking things through rather than pushing for outer results. You may want more time "
    "alone, and some plans may stall for a while. Use the month to review where you are "
    "heading, look after your health and listen to your intuition; answers come through quiet "
    "thought.",
    // Personal Month Number 8
    "This month is focused on money, career and achievement. The theme is taking practical "
    "control: business opportunities, financial decisions and dealings with those in authority "
    "are highlighted during these weeks. Efforts made earlier may now bring recognition or "
    "reward. Be organised and decisive, and use any power you gain with fairness.",
    // Personal Month Number 9
    "This is a month of completion and release. The theme is to finish what is outstanding, "
    "clear out what is no longer useful and let go of situations that have run their course. "
    "These weeks also favour generosity, service and broad-minded thinking. Avoid beginning "
    "major new ventures now; clear the decks so that you have room for whatever comes after.",
    // Personal Year Number 1
    "This is a year of new beginnings, when you sow the seeds for the years to come: start "
    "projects, make plans, change direction and take the initiative. Independence and courage "
    "are rewarded. The choices you make now set the tone for a long stretch ahead, so think "
    "about what you truly want to grow.",
    // Personal Year Number 2
    "This year calls for patience. Seeds planted recently need time to take root, so progress "
    "may seem slow. Focus on partnerships, cooperation and details, and develop the "
    "relationships that will support your plans. It is a year of waiting, gathering and quiet "
    "growth rather than forcing results.",
    // Personal Year Number 3
    "This is a year when what you began starts to show and life becomes more expressive. It is a "
    "time for creativity, communication, social life and enjoyment, and a good moment for making "
    "yourself and your ideas known. Friends and opportunities come more easily. Enjoy it, but "
    "keep an eye on focus and spending so that the fun does not scatter your progress.",
    // Personal Year Number 4
    "This is a year for building foundations. It is time to settle down to work, organise your "
    "affairs and give your plans a solid structure. The year may feel demanding, with more "
    "duties than rewards, but the discipline you show now supports everything you build later.",
    // Personal Year Number 5
    "This year brings a turning point. Life opens up with change, travel, new people and "
    "unexpected opportunities. It is a year to loosen restrictions, take calculated chances and "
    "adapt. Things may move fast; staying flexible while keeping your sense of direction lets "
    "you make the most of this freedom.",
    // Personal Year Number 6
    "This year is centred on home, love and responsibility. Family matters, marriage, "
    "children, caring for others and community duties come to the fore. It can be a year of "
    "settling down, moving house or committing to a relationship. You are asked to give and to "
    "balance your needs with those of the people around you, and harmony is the reward.",
    // Personal Year Number 7
    "This is a year for pausing and looking inward. Outer progress may slow while you study, "
    "reflect, rest and reassess your path. It is a good year for learning, self-understanding "
    "and spiritual growth rather than for pushing ambitions. Time spent alone and in thought now "
    "prepares you for the practical gains that come later.",
    // Personal Year Number 8
    "This is a year of harvest and achievement. Earlier effort can now pay off in career "
    "advancement, financial gains and recognition. It is a year for ambition, business decisions "
    "and taking charge of your affairs. Be efficient and fair, because what you receive reflects "
    "what you have built so far.",
    // Personal Year Number 9
    "This is a year of completion, when old chapters end and you clear away what you no longer "
    "need, whether habits, possessions, jobs or relationships that have run their course. It is "
    "a time for forgiveness, generosity and looking back with understanding. Avoid starting "
    "major new ventures; the space you make now will be filled by what comes next.",
};

} // namespace corvella::texts
