#include "content/texts.h"

namespace corvella::texts {

const char* const InterpretationsCore[44] = {
    // Life Path Number 1
    "Independence is the thread that runs through your years. Again and again you are placed "
    "where you must decide for yourself, take the lead and begin what others have not yet tried. "
    "The growth asked of you is to trust your own judgement without waiting for permission, and "
    "to learn that a good leader also listens.",
    // Life Path Number 2
    "Your journey leads through partnership and quiet diplomacy. Progress tends to come through "
    "patience, cooperation and a sensitive reading of other people rather than through force. The "
    "lesson is to value gentle strengths such as tact and the knack of making peace, while "
    "keeping your own voice inside close relationships.",
    // Life Path Number 3
    "You are here to find your voice and use it. Circumstances keep inviting you to speak, write, "
    "perform, create and lift the spirits of those around you. Talent scattered in every "
    "direction stays a promise, so you are asked for the discipline to finish what you start and "
    "the honesty to share sad feelings as well as cheerful ones.",
    // Life Path Number 4
    "Steady effort and sound method are the road laid out for you. Your work over the years is to "
    "build something that lasts, whether a home, a trade or a dependable business, brick by "
    "brick. Rules that protect you can also hem you in, and learning to bend without losing your "
    "footing is how you grow.",
    // Life Path Number 5
    "Change, travel and fresh experience keep arriving at your door. You learn best by trying "
    "things for yourself, and your direction runs towards freedom and adaptability. Restlessness "
    "can make you drop things too soon, so the task is to use freedom wisely; with time you "
    "discover that real freedom includes the choice to commit.",
    // Life Path Number 6
    "Responsibility and care shape the course of your years. Family, friends and neighbours turn "
    "to you for support, and you are drawn to make a warm home wherever you are. Your task is to "
    "give without taking control, since caring does not mean fixing everyone or demanding "
    "perfection, and to count yourself among the people you look after.",
    // Life Path Number 7
    "The seeker's way is yours: you are here to question, study and look beneath the surface of "
    "things. Time alone is part of how you grow, and you trust what you have examined more than "
    "what you are told. Over the years curiosity can ripen into real wisdom, provided you do not "
    "shut out the people who care for you.",
    // Life Path Number 8
    "Achievement in the material world is where you do your growing. Money, authority and large "
    "responsibilities keep coming your way so that you can learn to handle power well. Success "
    "built on fairness tends to last while success at any cost falls away, and your lesson is "
    "that ambition and integrity belong together.",
    // Life Path Number 9
    "Compassion and a wide view of the world mark your journey. You are drawn to serve causes "
    "larger than yourself and to understand people of every background. Much of your growth comes "
    "through letting go of old hurts, of phases that have run their course and of the need for "
    "reward, until you become generous and broad-minded in a way that others find inspiring.",
    // Life Path Number 11
    "Inspiration is the calling you are here to answer. You tend to be placed where insight, "
    "idealism and sudden flashes of understanding can light the way for other people, through "
    "teaching, art or counsel. Such sensitivity brings nervous tension and self-doubt, and many "
    "who walk this way spend years as quiet helpers before they trust their vision enough to "
    "speak.",
    // Life Path Number 22
    "Your calling is to turn a large vision into concrete, practical form. The years offer "
    "chances to build something of lasting value for many people, such as an organisation, a "
    "public work or a structure others can rely on. The task is to join big plans to patient, "
    "disciplined effort without being crushed by the weight of your own potential, and early on "
    "this often feels like plain, dutiful hard work.",
    // Destiny / Expression Number 1
    "Your natural talent is for leading and originating. You have drive, willpower and an "
    "independent mind, and you shine when you are given a project to start or a team to direct. "
    "Original ideas come easily and you have the courage to act on them; your gifts work best "
    "when that confidence inspires people rather than overrules them.",
    // Destiny / Expression Number 2
    "Mediating, sensing what others need and helping a group work smoothly are among your gifts. "
    "You bring tact, patience and careful attention to detail, which suit counselling, teamwork, "
    "diplomacy and supporting roles. You can bring out the best in a partnership, often while "
    "staying in the background yourself.",
    // Destiny / Expression Number 3
    "Words, images and ideas are your tools. You are equipped to communicate, entertain and "
    "create, whether through writing, speaking, art, music or a lively conversation, and your "
    "imagination and humour make people want to listen. What you achieve grows when you give your "
    "many talents some structure and develop a few of them fully.",
    // Destiny / Expression Number 4
    "Practical skill and a talent for organisation are what you have to work with. You plan well, "
    "follow a method, work patiently with your hands or with systems and finish what you begin. "
    "People trust your reliability and your eye for what actually works, which makes you a "
    "builder of careers, homes and processes that last.",
    // Destiny / Expression Number 5
    "Versatility and quick wits are your natural equipment. You learn fast, adapt easily and can "
    "talk to almost anyone, a mix that suits selling, travel, the media and any work that changes "
    "from week to week. You achieve most when you harness your love of variety instead of letting "
    "it pull you away from goals you have set.",
    // Destiny / Expression Number 6
    "Your abilities gather around caring, teaching and creating harmony. You know how to nurture "
    "people, give sound advice and make a place feel welcoming and beautiful, so healing, "
    "education, design and community service suit you. Your strong sense of responsibility is an "
    "asset as long as you let others carry their own share.",
    // Destiny / Expression Number 7
    "A keen, analytical mind is the heart of your gifts. You are equipped to research, "
    "investigate and understand how things truly work, with a bent for science, technology, "
    "philosophy or spiritual study. Given time to think in depth, you see past appearances and "
    "reach conclusions that others miss.",
    // Destiny / Expression Number 8
    "Management, business and the handling of resources come naturally to you. You can organise "
    "people and money on a large scale, judge value well and make sound decisions under pressure, "
    "so finance, law and running an enterprise suit you. Great success is within reach when you "
    "use your authority with fairness and vision.",
    // Destiny / Expression Number 9
    "Broad talents and an understanding of people from every walk of life are your gifts. You can "
    "inspire, teach, heal or create art that moves others, and you work well for causes that "
    "improve the world. Your generosity and tolerance are real abilities, not just virtues, and "
    "they achieve most when your work serves something larger than personal gain.",
    // Destiny / Expression Number 11
    "Yours is an inspirational talent: ideas seem to arrive out of nowhere, and you can share "
    "them in ways that lift other people. Teaching, the arts, counselling and spiritual "
    "leadership suit this gift of vision. Your sensitivity is a tool as well as a strain, so you "
    "achieve most when you ground your insights in practical form and learn to steady your "
    "nerves.",
    // Destiny / Expression Number 22
    "Vision on a grand scale, joined to the organising skill to make it real, is your rare "
    "combination. You can plan and build projects that help many people, from large businesses to "
    "public works, and you see both the ideal and the steps towards it. Your talents flourish "
    "when you think big yet stay patient with the slow, step-by-step effort that such work takes.",
    // Soul's Urge/ Heart's Desire Number 1
    "Deep down you long to be independent and to stand out as yourself. You want the freedom to "
    "make your own choices, to lead rather than follow and to be the pioneer in something that "
    "matters to you. You feel most content when you are in charge of your own direction.",
    // Soul's Urge/ Heart's Desire Number 2
    "What you crave most is love, peace and a close bond with another person. You long to belong, "
    "to be understood and to live in harmony rather than conflict. Inner calm and partnership "
    "satisfy you deeply, especially when someone truly values the gentle care you give.",
    // Soul's Urge/ Heart's Desire Number 3
    "Your secret wish is to express yourself and enjoy every moment of living. You want to "
    "create, to be heard, to laugh and to share your feelings and ideas, and you are happiest "
    "when there is room for play, beauty and imagination. Being seen as you are, sparkle and all, "
    "is what quietly drives you.",
    // Soul's Urge/ Heart's Desire Number 4
    "Security and order are what you yearn for. Inwardly you want a stable home, a steady income "
    "and a clear idea of what tomorrow will bring. You feel fulfilled when you build something "
    "solid step by step and can be proud of honest work well done.",
    // Soul's Urge/ Heart's Desire Number 5
    "Freedom and new experience are what you hunger for. You long to travel, to explore and to "
    "taste everything the world offers without being tied down by routine. Change excites you at "
    "a deep level, and you feel most alive when you can follow your curiosity wherever it leads.",
    // Soul's Urge/ Heart's Desire Number 6
    "To love and be loved within a happy home is your deepest wish. You want to care for others, "
    "to make a warm and beautiful place around you and to feel needed by family and friends. "
    "Harmony and fairness matter greatly to you, and contentment comes when the people you love "
    "are safe.",
    // Soul's Urge/ Heart's Desire Number 7
    "Quiet understanding and the truth behind appearances are what you secretly seek. You want "
    "time alone to think, to learn and to explore science, nature or the spiritual, and crowds "
    "soon tire you. Satisfaction comes when you feel you have grasped something real.",
    // Soul's Urge/ Heart's Desire Number 8
    "Inwardly you want success, recognition and control over your own affairs. You long to "
    "achieve something substantial, to be financially secure and to have the influence to make "
    "things happen. Fulfilment comes when your efforts are rewarded and respected and you can "
    "provide well for the people around you.",
    // Soul's Urge/ Heart's Desire Number 9
    "Making the world a kinder place is what moves you most. You want to help, to give and to "
    "understand people of every kind, and personal gain matters less to you than a meaningful "
    "contribution. You feel at home when you serve an ideal bigger than yourself.",
    // Soul's Urge/ Heart's Desire Number 11
    "Spiritual meaning and inspiration are what you reach for. You want to touch a higher "
    "understanding and share that light with others, and you often sense things before they are "
    "spoken. Your ideals can feel both thrilling and nerve-racking, and you are fulfilled when "
    "you trust your intuition and let it guide others gently.",
    // Soul's Urge/ Heart's Desire Number 22
    "Leaving a lasting mark that benefits many people is your great wish. You picture yourself "
    "building something large, useful and enduring, and small goals will never satisfy you. You "
    "seek a mission that joins idealism with real results, and peace comes when you see your "
    "grand vision taking practical shape.",
    // Inner Dreams / Personality Number 1
    "People see you as confident, capable and self-directed. You give an impression of strength "
    "and purpose, and others may take you for a natural leader before you speak. This outer face "
    "can come across as distant or bossy to those who do not know you yet.",
    // Inner Dreams / Personality Number 2
    "The face you show the world is gentle, friendly and approachable. Others see you as modest, "
    "tactful and easy to be with, someone who listens well, and they tend to trust you quickly. "
    "At times people underestimate you because your manner is soft and unassuming.",
    // Inner Dreams / Personality Number 3
    "Charm and liveliness are what others notice about you. Your smile, your humour and your way "
    "with words often make you seem the most sociable person in the room, and you come across as "
    "optimistic, creative and stylish. Some may think you lighter or more carefree than you "
    "really are.",
    // Inner Dreams / Personality Number 4
    "You appear steady, sensible and trustworthy. Others meet someone practical and hardworking, "
    "the kind of person who keeps promises and turns up on time, with a style that is plain and "
    "tidy rather than showy. People may also read you as serious or reserved until they know you "
    "better.",
    // Inner Dreams / Personality Number 5
    "Excitement and energy surround you in other people's eyes. You come across as fun, quick and "
    "open to anything, and people are drawn to the sense of freedom about you. Your look is often "
    "modern or a little unconventional, and some may see you as restless or hard to pin down.",
    // Inner Dreams / Personality Number 6
    "Warmth, kindness and dependability are what the world sees in you. People sense that they "
    "can turn to you for help, and your manner feels caring and protective, like that of a "
    "natural parent or counsellor. Others may expect you to take on their problems, even when you "
    "would rather not.",
    // Inner Dreams / Personality Number 7
    "You give an impression of quiet, dignified mystery. Others see you as thoughtful, "
    "intelligent and rather private, someone who observes more than they say, and they may "
    "hesitate to approach you. Those who get to know you find more warmth than your cool, "
    "reserved surface suggests.",
    // Inner Dreams / Personality Number 8
    "Your outer image is powerful, competent and successful. You carry yourself with authority, "
    "and others often assume you are in charge or well off, because your appearance suggests "
    "quality and control. This strong image opens doors, but it can also make you seem "
    "intimidating or all business.",
    // Inner Dreams / Personality Number 9
    "Generous, gracious and open-hearted is how you strike most people. They see you as tolerant, "
    "cultured and interested in everyone, and strangers soon feel at ease with you. Some sense a "
    "certain distance, as if your attention were on wider concerns than the people in front of "
    "you.",
    // Inner Dreams / Personality Number 11
    "The impression you make is inspiring and somewhat out of the ordinary. You give off an air "
    "of sensitivity, idealism and insight, and people may find you magnetic or even a little "
    "otherworldly. At times you seem to glow with enthusiasm and at others you look tense, and "
    "your presence often stirs people to aim higher.",
    // Inner Dreams / Personality Number 22
    "A calm, capable strength that suggests great things can be achieved is what people notice in "
    "you. You come across as both visionary and practical, someone who could lead a big project "
    "to completion, and others tend to rely on your judgement. Your solid presence may also seem "
    "serious or hard to approach.",
};

} // namespace corvella::texts
