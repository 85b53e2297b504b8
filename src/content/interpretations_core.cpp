#include "content/texts.h"

namespace corvella::texts {

const char* const InterpretationsCore[44] = {
    // Life Path Number 1
    "This is the road of the pioneer. Your life keeps steering you towards standing on your "
    "own feet, making decisions and starting things that did not exist before. The lesson is "
    "to trust your own judgement without waiting for permission, while learning that leading "
    "well also means listening. Over the years you are meant to grow from simply wanting to "
    "be first into someone who opens the way for others.",
    // Life Path Number 2
    "This path is a journey of partnership. Life tends to bring you into situations where "
    "progress comes through cooperation, patience and quiet diplomacy rather than force. The "
    "main lesson is to value your gentle strengths - tact, sensitivity, the knack of bringing "
    "people together - and to stop measuring yourself against louder people. It also teaches "
    "you to keep your own voice inside close relationships.",
    // Life Path Number 3
    "Those walking this path are here to learn the art of self-expression. Again and again "
    "life invites you to speak, write, perform, create and lift the mood of the people around "
    "you. The lesson along the way is discipline: talent scattered in every direction stays a "
    "promise, while talent given focus becomes a gift. This path also asks you to express "
    "your real feelings, not only the cheerful ones.",
    // Life Path Number 4
    "This is the road of the builder who lays brick upon brick. Your life's direction points "
    "towards steady work, order and creating something that lasts, such as a home, a skill or "
    "a dependable business. The lesson is that patience and method pay off, but also that "
    "rigid rules can box you in. Learning to bend a little without losing your firm "
    "foundation is the growth this path asks of you.",
    // Life Path Number 5
    "On this path, life is a series of doors opening onto new places, people and experiences. "
    "Your direction is towards freedom and change, and you learn best by trying things for "
    "yourself. The lesson is to use freedom wisely: restlessness can make you drop things too "
    "soon or chase excitement for its own sake. As you mature, you discover that real freedom "
    "includes the choice to commit.",
    // Life Path Number 6
    "This path leads towards responsibility and care. Over a lifetime you are drawn to look "
    "after family, friends and community, and others often come to you for support and a "
    "sense of home. The lesson is to give without taking control: caring does not mean fixing "
    "everyone or expecting perfection. This path grows towards a warm, balanced love that "
    "includes looking after yourself too.",
    // Life Path Number 7
    "This is the path of the seeker. Your life pushes you to ask deeper questions, to study, "
    "analyse and look beneath the surface of things, and time alone is part of how you grow. "
    "The lesson is to trust the inner knowing you develop, not only what can be proven, and "
    "to avoid shutting others out. Over the years this path turns curiosity into wisdom and "
    "often into a personal spiritual understanding.",
    // Life Path Number 8
    "This path points towards achievement in the material world. Your life keeps placing you "
    "where money, authority and large responsibilities are at stake, so that you can learn to "
    "handle power well. The lesson is balance: success built on fairness lasts, while success "
    "gained at any cost tends to fall away. This path teaches that ambition and integrity "
    "belong together, and that strength is best used for others as well as yourself.",
    // Life Path Number 9
    "This is the path of the humanitarian and of endings that make room for new life. Your "
    "direction leads towards compassion, generosity and a wide view of the world, often "
    "serving causes larger than yourself. The lesson is letting go: of old hurts, of people "
    "and phases that have run their course, of the need for reward. Over time a life on this "
    "path matures into a kind, broad-minded wisdom that others find inspiring.",
    // Life Path Number 11
    "This is a master number path of intuition and inspiration. Your life tends to put you "
    "where you can light the way for others through insight, new ideas or spiritual "
    "understanding. The lesson is to trust the sudden knowing you receive while managing the "
    "nervous tension and self-doubt that come with such sensitivity. Many people on this path "
    "spend years as quiet helpers and peacemakers before they grow into its higher calling.",
    // Life Path Number 22
    "This master number path is about turning big visions into concrete reality. Your life "
    "offers chances to create something of lasting value on a large scale - an organisation, a "
    "project, a structure that serves many people. The "
    "lesson is to join dreams with hard, practical effort and not be crushed by the weight of "
    "your own potential. Early in life this path often feels like plain, dutiful hard work "
    "before its full scope opens up.",
    // Destiny / Expression Number 1
    "Your natural talent is for leading and originating. You are equipped with drive, "
    "willpower and the ability to think for yourself, so you often shine when given a project "
    "to start or a team to direct. Original ideas come easily to you, and you have the "
    "courage to act on them. Your gifts work best when you use that confidence to inspire "
    "people rather than to overrule them.",
    // Destiny / Expression Number 2
    "Your natural abilities lie in cooperation and fine detail. You are skilled at mediating, "
    "sensing what others need and making groups work smoothly together. Work that calls for "
    "tact, patience and careful attention - counselling, teamwork, diplomacy, support roles - "
    "suits your talents. You have a gift for bringing out the best in a partnership, even "
    "while you stay in the background.",
    // Destiny / Expression Number 3
    "Your gift is with words, images and ideas. You are equipped to communicate, entertain "
    "and create, whether through writing, speaking, art, music or simply a lively "
    "conversation. Your imagination and humour make people want to listen. What you can "
    "achieve grows when you give your many talents some structure and choose a few to develop "
    "fully.",
    // Destiny / Expression Number 4
    "This set of abilities equips you with practical skills and a talent for organisation. "
    "You are good at planning, following a method, working with your hands or with systems, "
    "and finishing what you begin. People trust your reliability and your eye for what "
    "actually works. Your abilities are best used for building solid things: careers, houses, "
    "processes or anything else that needs patience and care.",
    // Destiny / Expression Number 5
    "Versatility and quick wits are your natural equipment. You learn fast, adapt easily and "
    "can talk to almost anyone, which gives you a talent for sales, travel, media and any "
    "work that changes from day to day. Your curiosity collects a wide range of skills. You "
    "achieve most when you harness your love of variety instead of letting it pull you away "
    "from the goals you have set.",
    // Destiny / Expression Number 6
    "Your talents centre on caring, teaching and creating harmony. You are equipped to "
    "nurture people, give sound advice and make any place feel welcoming and beautiful. Work "
    "in healing, education, design, or family and community service suits your abilities. "
    "Your strong sense of responsibility is a real asset, as long as you let others carry "
    "their own share too.",
    // Destiny / Expression Number 7
    "Your talents start with a keen, analytical mind. You are equipped to research, "
    "investigate and understand how things truly work, and you often have a gift for science, "
    "technology, philosophy or spiritual study. You do your best work when you have time to "
    "think in depth. Your ability to see past appearances lets you reach conclusions that "
    "others miss.",
    // Destiny / Expression Number 8
    "Your abilities point to a talent for management, business and handling resources. You "
    "are equipped to organise people and money on a large scale, judge value well and make "
    "sound decisions under pressure. Leadership roles, finance, law and running an enterprise "
    "suit your abilities. You can achieve great success when you use your authority with "
    "fairness and vision.",
    // Destiny / Expression Number 9
    "You have broad talents and a gift for understanding people from every walk of life. You "
    "are equipped to inspire, teach, heal or create art that moves others, and you work well "
    "for causes that improve the world. Your generosity and tolerance are real abilities, not "
    "just virtues. You accomplish the most when your work serves something larger than "
    "personal gain.",
    // Destiny / Expression Number 11
    "A master number gives you inspirational talents. You can pick up ideas seemingly out of "
    "nowhere and share them in ways that uplift other people, an ability that suits teaching, "
    "the arts, counselling and spiritual leadership. Your sensitivity is a tool as well as a "
    "strain. You achieve the most when you ground your insights in practical form and learn "
    "to steady your nerves.",
    // Destiny / Expression Number 22
    "A master number of large-scale practical achievement shapes your talents. You are "
    "equipped with both vision and the organising skill to make it real, so you can plan and "
    "build projects that help many people, from businesses to public works. Few people have "
    "this mix of idealism and method. Your talents flourish when you think big yet stay "
    "patient with the step-by-step effort it takes.",
    // Soul's Urge/ Heart's Desire Number 1
    "Deep down you long to be independent and to stand out as yourself. Your heart wants the "
    "freedom to make your own choices, to lead rather than follow, and to be first at "
    "something that matters to you. Inside you is a quiet drive to prove what you can do. You "
    "feel most content when you are in charge of your own direction.",
    // Soul's Urge/ Heart's Desire Number 2
    "What you crave most is love, peace and a close bond with another person. Your heart "
    "longs to belong, to be understood, and to live in harmony rather than conflict. You feel "
    "deeply satisfied when you help others get along and when someone truly appreciates your "
    "gentle care. Inner calm and partnership are what your soul is reaching for.",
    // Soul's Urge/ Heart's Desire Number 3
    "Your inner longing is to express yourself and to enjoy life. In your heart you want to "
    "create, to be heard, to laugh and to share your feelings and ideas with others. You are "
    "happiest when there is room for play, beauty and imagination. What secretly motivates "
    "you is the joy of being seen as you are, sparkle and all.",
    // Soul's Urge/ Heart's Desire Number 4
    "At heart you desire security and order. Inside, you long for a stable home, a steady "
    "income and a life where you know what tomorrow will bring. You feel fulfilled when you "
    "can build something solid step by step and be proud of honest work well done. Deep down, "
    "you want to know that the ground beneath your feet is firm.",
    // Soul's Urge/ Heart's Desire Number 5
    "Your soul hungers for freedom and new experiences. Inwardly you long to travel, to "
    "explore, to taste everything life offers and to avoid being tied down by routine. Change "
    "excites you at a deep level. You feel most alive when you are free to follow your "
    "curiosity and to decide for yourself where to go next.",
    // Soul's Urge/ Heart's Desire Number 6
    "Yours is a heart that yearns to love and be loved within a happy home. Your deepest wish "
    "is to care for others, to create a warm, beautiful place around you and to feel needed "
    "by family and friends. Harmony and fairness matter greatly to you. Inner fulfilment "
    "comes when the people you love are safe and content.",
    // Soul's Urge/ Heart's Desire Number 7
    "You secretly long for understanding and inner peace. What your heart wants most is time "
    "alone to think, to learn and to discover the truth behind appearances, whether in "
    "science, nature or the spiritual. You are drawn to quiet and depth rather than crowds. "
    "Your soul is satisfied when you feel you have grasped something real.",
    // Soul's Urge/ Heart's Desire Number 8
    "Inwardly you want success, recognition and control over your own life. You long to "
    "achieve something substantial, to be financially secure and to have the influence to "
    "make things happen. Deep down you admire strength and efficiency. You feel fulfilled "
    "when your efforts are rewarded and respected, and when you can provide well for the "
    "people around you.",
    // Soul's Urge/ Heart's Desire Number 9
    "Your heart longs to make the world a better place. Your deepest motivation is "
    "compassion: you want to help, to give, to understand people of all kinds and to see "
    "kindness win. Personal gain matters less to you than a meaningful contribution. Your "
    "soul feels at home when you are serving an ideal bigger than yourself.",
    // Soul's Urge/ Heart's Desire Number 11
    "Carrying the charge of a master number, your heart yearns for spiritual meaning and "
    "inspiration. It wants to reach a higher understanding and share that light with others, "
    "and you often sense things before they are spoken. Your ideals can feel both thrilling "
    "and nerve-racking. You are fulfilled when you trust your intuition and let it guide "
    "others gently.",
    // Soul's Urge/ Heart's Desire Number 22
    "You deeply wish to leave a lasting mark that benefits many people, a desire that carries "
    "the weight of a master number. Inside you lives a dream of building something large, "
    "useful and enduring, and small goals will never satisfy you. Your heart seeks a mission "
    "that joins idealism with real results. Inner peace comes when you see your grand vision "
    "taking practical shape.",
    // Inner Dreams / Personality Number 1
    "People first see you as confident, capable and self-directed. You give an impression of "
    "strength and purpose, and others may take you for a natural leader even before you "
    "speak. Your appearance and manner often look neat and determined. Be aware that this "
    "outer face can come across as distant or bossy to those who do not know you yet.",
    // Inner Dreams / Personality Number 2
    "The face you show the world is gentle, friendly and approachable. Others see you as "
    "modest, tactful and easy to be with, and they tend to trust you quickly. You give the "
    "impression of someone who listens well. At times people may underestimate you because "
    "your manner is soft and unassuming.",
    // Inner Dreams / Personality Number 3
    "You make a first impression of charm and liveliness. People notice your smile, your "
    "humour and your way with words, and you often seem the most sociable person in the room. "
    "You come across as optimistic and creative, with a flair for style. Some may think you "
    "are lighter or more carefree than you really are inside.",
    // Inner Dreams / Personality Number 4
    "You appear steady, sensible and trustworthy. At a first meeting others see someone "
    "practical and hardworking, the kind of person who keeps promises and turns up on time. "
    "Your style tends to be plain and tidy rather than showy. People may also read you as "
    "serious or reserved until they get to know you.",
    // Inner Dreams / Personality Number 5
    "Others first see you as exciting, adventurous and full of energy. You come across as "
    "fun, quick and open to anything, and people are drawn to the sense of freedom around "
    "you. Your look is often modern or a little unconventional. Some may see you as restless "
    "or hard to pin down.",
    // Inner Dreams / Personality Number 6
    "To the world you present yourself as warm, kind and dependable. People sense that they "
    "can turn to you for help, and your manner feels caring and protective. You often seem "
    "like a natural parent or counsellor, and your surroundings look comfortable and "
    "welcoming. Others may expect you to take on their problems, even when you would rather "
    "not.",
    // Inner Dreams / Personality Number 7
    "You give an impression of quiet, dignified mystery. Others see you as thoughtful, "
    "intelligent and rather private, and may hesitate to approach you at first. You seem to "
    "be observing more than you say. Once people know you, they find more warmth than your "
    "cool, reserved surface suggests.",
    // Inner Dreams / Personality Number 8
    "Your outer image is powerful, competent and successful. You carry yourself with "
    "authority, and others often assume you are in charge or well off. Your appearance tends "
    "to suggest quality and control. This strong image opens doors, but it can also make you "
    "seem intimidating or all business.",
    // Inner Dreams / Personality Number 9
    "You show the world a generous, gracious and open-hearted face. People see you as "
    "tolerant, cultured and interested in everyone, and strangers often feel at ease with "
    "you. You may appear a little larger than life or artistic. Some sense a certain "
    "distance, as if your attention were on wider concerns than the people right in front of "
    "you.",
    // Inner Dreams / Personality Number 11
    "Shaped by a master number, the impression you make is inspiring and somewhat out of the "
    "ordinary. You give off an air of sensitivity, idealism and insight, and people may find "
    "you magnetic or even a little otherworldly. You can seem to glow with enthusiasm at "
    "times and look tense at others. Your presence often stirs others to aim higher.",
    // Inner Dreams / Personality Number 22
    "The impression you make carries the stamp of a master number: people first notice a "
    "calm, capable strength that suggests great things can be achieved. You come across as "
    "both visionary and practical, someone who could lead a big project to completion. Others "
    "tend to rely on you and trust your judgement. Your solid, impressive presence may also "
    "seem serious or hard to approach.",
};

} // namespace corvella::texts
