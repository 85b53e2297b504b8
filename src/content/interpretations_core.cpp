#include "content/texts.h"

#include <QtGlobal>

namespace corvella::texts {

const char* const InterpretationsCore[44] = {
    // Life Path Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Independence is the thread that runs through your years. Again and again you are placed "
        "where you must decide for yourself, take the lead and begin what others have not yet "
        "tried. The growth asked of you is to trust your own judgement without waiting for "
        "permission, and to learn that a good leader also listens."),
    // Life Path Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Your journey leads through partnership and quiet diplomacy. Progress tends to come "
        "through patience, cooperation and a sensitive reading of other people rather than "
        "through force. The lesson is to value gentle strengths such as tact and the knack of "
        "making peace, while keeping your own voice inside close relationships."),
    // Life Path Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "You are here to find your voice and use it. Circumstances keep inviting you to speak, "
        "write, perform, create and lift the spirits of those around you. Talent scattered in "
        "every direction stays a promise, so you are asked for the discipline to finish what you "
        "start and the honesty to share sad feelings as well as cheerful ones."),
    // Life Path Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Steady effort and sound method are the road laid out for you. Your work over the years "
        "is to build something that lasts, whether a home, a trade or a dependable business, "
        "brick by brick. Rules that protect you can also hem you in, and learning to bend without "
        "losing your footing is how you grow."),
    // Life Path Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Change, travel and fresh experience keep arriving at your door. You learn best by trying "
        "things for yourself, and your direction runs towards freedom and adaptability. "
        "Restlessness can make you drop things too soon, so the task is to use freedom wisely; "
        "with time you discover that real freedom includes the choice to commit."),
    // Life Path Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Responsibility and care shape the course of your years. Family, friends and neighbours "
        "turn to you for support, and you are drawn to make a warm home wherever you are. Your "
        "task is to give without taking control, since caring does not mean fixing everyone or "
        "demanding perfection, and to count yourself among the people you look after."),
    // Life Path Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "The seeker's way is yours: you are here to question, study and look beneath the surface "
        "of things. Time alone is part of how you grow, and you trust what you have examined more "
        "than what you are told. Over the years curiosity can ripen into real wisdom, provided "
        "you do not shut out the people who care for you."),
    // Life Path Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "Achievement in the material world is where you do your growing. Money, authority and "
        "large responsibilities keep coming your way so that you can learn to handle power well. "
        "Success built on fairness tends to last while success at any cost falls away, and your "
        "lesson is that ambition and integrity belong together."),
    // Life Path Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Compassion and a wide view of the world mark your journey. You are drawn to serve causes "
        "larger than yourself and to understand people of every background. Much of your growth "
        "comes through letting go of old hurts, of phases that have run their course and of the "
        "need for reward, until you become generous and broad-minded in a way that others find "
        "inspiring."),
    // Life Path Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "Inspiration is the calling you are here to answer. You tend to be placed where insight, "
        "idealism and sudden flashes of understanding can light the way for other people, through "
        "teaching, art or counsel. Such sensitivity brings nervous tension and self-doubt, and "
        "many who walk this way spend years as quiet helpers before they trust their vision "
        "enough to speak."),
    // Life Path Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "Your calling is to turn a large vision into concrete, practical form. The years offer "
        "chances to build something of lasting value for many people, such as an organisation, a "
        "public work or a structure others can rely on. The task is to join big plans to patient, "
        "disciplined effort without being crushed by the weight of your own potential, and early "
        "on this often feels like plain, dutiful hard work."),
    // Destiny / Expression Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Your natural talent is for leading and originating. Drive, willpower and an independent "
        "mind equip you to start projects and direct teams, and original ideas come to you "
        "easily. Your gifts work best when your confidence inspires people rather than overrules "
        "them."),
    // Destiny / Expression Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Mediating, sensing what others need and helping a group work smoothly are among your "
        "gifts. You bring tact, patience and careful attention to detail, which suit counselling, "
        "teamwork, diplomacy and supporting roles. You can bring out the best in a partnership, "
        "often while staying in the background yourself."),
    // Destiny / Expression Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Words, images and ideas are your tools. Writing, speaking, acting, art and music all "
        "come within your reach, and your imagination and humour make people want to listen. Your "
        "talents go furthest when you give them some structure and choose a few to develop fully "
        "instead of sampling them all."),
    // Destiny / Expression Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Practical skill and a talent for organisation are what you have to work with. You plan "
        "well, follow a method, work patiently with your hands or with systems and finish what "
        "you begin. People trust your reliability and your eye for what actually works, which "
        "makes you a builder of careers, homes and processes that last."),
    // Destiny / Expression Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "Quick wits and versatility are your tools. You pick up new skills fast, adapt to any "
        "setting and can talk to almost anyone, which suits sales, travel, the media and work "
        "that changes constantly. Your range serves you best when you steer your love of variety "
        "towards goals you have chosen."),
    // Destiny / Expression Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Your abilities gather around caring, teaching and creating harmony. You know how to "
        "nurture people, give sound advice and make a place feel welcoming and beautiful, so "
        "healing, education, design and community service suit you. Your strong sense of "
        "responsibility is an asset as long as you let others carry their own share."),
    // Destiny / Expression Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "A keen, analytical mind is the heart of your gifts. You are equipped to research, "
        "investigate and understand how things truly work, with a bent for science, technology, "
        "philosophy or spiritual study. Given time to think in depth, you see past appearances "
        "and reach conclusions that others miss."),
    // Destiny / Expression Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "You have an executive's gifts: organising people, money and resources on a large scale. "
        "Shrewd judgement of value and calm decisions under pressure suit you to finance, law or "
        "running an enterprise. Used with fairness and vision, that authority can carry you to "
        "considerable success."),
    // Destiny / Expression Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "A wide range of talents and a feel for people of every background are your gifts. You "
        "can teach, heal, inspire or make art that moves others, and you work well for causes "
        "that improve the world. Your tolerance and generosity are real abilities, and they bear "
        "most fruit when your work serves more than personal gain."),
    // Destiny / Expression Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "Yours is an inspirational talent: ideas seem to arrive out of nowhere, and you can share "
        "them in ways that lift other people. Teaching, the arts, counselling and spiritual "
        "leadership suit this gift of vision. Your sensitivity is a tool as well as a strain, so "
        "you achieve most when you ground your insights in practical form and learn to steady "
        "your nerves."),
    // Destiny / Expression Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "Vision on a grand scale, joined to the organising skill to make it real, is your rare "
        "combination. You can plan and build projects that help many people, from large "
        "businesses to public works, seeing the ideal and the steps towards it at the same time. "
        "Your talents flourish when you think big yet stay patient with the slow, step-by-step "
        "effort that such work takes."),
    // Soul's Urge/ Heart's Desire Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Privately you want to be your own person and to make your mark in your own way. Being "
        "told what to do chafes, and you are happiest steering your own course and proving what "
        "you can achieve. Recognition for something you started yourself brings you deep "
        "contentment."),
    // Soul's Urge/ Heart's Desire Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "Closeness, affection and peace are what you long for. You are happiest sharing your days "
        "with someone who understands you, and quarrels upset you more than you show. Being "
        "appreciated for your quiet kindness, and helping others get along, gives you a deep "
        "sense of belonging."),
    // Soul's Urge/ Heart's Desire Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "Joy, creativity and being heard are what you want most. You long to share your ideas, to "
        "make people laugh and to have room in your days for play, beauty and imagination. When "
        "you can show your feelings freely and be admired for your sparkle, you feel truly "
        "yourself."),
    // Soul's Urge/ Heart's Desire Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Underneath, you want solid ground: a secure home, a steady income and a clear plan. "
        "Uncertainty unsettles you, and you take real pleasure in building something step by step "
        "and doing honest work well. Knowing that your affairs are in order lets you rest easy."),
    // Soul's Urge/ Heart's Desire Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "You hunger for freedom, movement and fresh experience. Routine and restriction feel like "
        "a cage, and you long to travel, to meet new people and to try whatever the world has on "
        "offer. Your spirits rise whenever you are free to choose your next adventure."),
    // Soul's Urge/ Heart's Desire Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "Your deepest wish is to love and be loved within a happy home. You want to care for "
        "family and friends, to create beauty and comfort around you and to feel needed. Harmony "
        "and fairness matter greatly to you, and you are content when the people you love are "
        "well."),
    // Soul's Urge/ Heart's Desire Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "What you seek in private is understanding: the truth behind appearances and the meaning "
        "behind events. You need stretches of solitude to read, think and explore, whether in "
        "science, nature or the spiritual. Crowds and small talk tire you, and you feel fulfilled "
        "when you have grasped something real."),
    // Soul's Urge/ Heart's Desire Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "You want success you can see and measure: recognition, financial security and the power "
        "to make things happen. Achieving something substantial, and being respected for it, "
        "matters to you more than you may admit. Providing well for the people around you is part "
        "of the reward you seek."),
    // Soul's Urge/ Heart's Desire Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "A kinder world is what moves you most. You want to help, to give and to understand "
        "people of every background, and personal gain matters less to you than a meaningful "
        "contribution. You feel most at peace when you serve an ideal bigger than yourself."),
    // Soul's Urge/ Heart's Desire Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "You long for inspiration and a sense of higher meaning. You want to reach beyond "
        "everyday concerns, to catch a glimpse of something greater and to pass that light on to "
        "others, and you often sense things before they are said. Trusting those intuitions, "
        "rather than doubting them, brings the fulfilment you are looking for."),
    // Soul's Urge/ Heart's Desire Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "Your secret ambition is to build something that will outlast you and serve many people. "
        "Small goals leave you restless, because you want a mission large enough to join your "
        "ideals to practical results. Seeing a grand plan take real shape, brick by brick, gives "
        "you the deepest satisfaction."),
    // Inner Dreams / Personality Number 1
    QT_TRANSLATE_NOOP(
        "Content",
        "Strangers tend to read you as self-assured and purposeful, the sort of person who knows "
        "where they are going. You often look ready to take charge, and people may hand you the "
        "lead before you have asked for it. That firmness can seem cool or commanding to those "
        "who have not yet seen your warmer side."),
    // Inner Dreams / Personality Number 2
    QT_TRANSLATE_NOOP(
        "Content",
        "You come across as soft-spoken, considerate and easy to approach. People feel safe "
        "confiding in you, because you seem to listen more than you talk and to notice how they "
        "feel. The drawback is that a modest manner can lead others to overlook what you are "
        "capable of."),
    // Inner Dreams / Personality Number 3
    QT_TRANSLATE_NOOP(
        "Content",
        "A bright smile, a ready joke and a flair for words make you stand out in company. Others "
        "see you as good fun, imaginative and often well dressed, and they enjoy having you "
        "around. What they may miss is the more serious, feeling person beneath the sparkle."),
    // Inner Dreams / Personality Number 4
    QT_TRANSLATE_NOOP(
        "Content",
        "Reliable, down to earth and hard-working is how most people read you. You look like "
        "someone who keeps appointments, pays debts and does the job properly, and your taste "
        "runs to the neat and practical. New acquaintances can find you a little formal until "
        "trust has grown."),
    // Inner Dreams / Personality Number 5
    QT_TRANSLATE_NOOP(
        "Content",
        "To other people you seem lively, daring and ready for anything. Your quick talk and "
        "restless energy suggest someone who has been places and wants to go further, and your "
        "style may be bold or unusual. Some find this exciting, while others wonder whether you "
        "will stay long."),
    // Inner Dreams / Personality Number 6
    QT_TRANSLATE_NOOP(
        "Content",
        "You strike others as kind, homely and protective. People guess at a glance that you "
        "would help in a crisis, and they often tell you their troubles within minutes of meeting "
        "you. Your surroundings tend to look comfortable and cared for, though the role of helper "
        "can be pressed on you more than you would like."),
    // Inner Dreams / Personality Number 7
    QT_TRANSLATE_NOOP(
        "Content",
        "Reserved, observant and a little hard to read is how you tend to appear. People sense a "
        "thoughtful, private mind at work and may wait for you to make the approach. Behind the "
        "cool surface, those who know you find real warmth and a dry wit."),
    // Inner Dreams / Personality Number 8
    QT_TRANSLATE_NOOP(
        "Content",
        "You project authority and competence without trying. People often assume you are "
        "successful, well connected or in charge, and your appearance suggests quality and good "
        "taste. That impressive front opens doors in business, but it can make you seem "
        "intimidating or all work and no play."),
    // Inner Dreams / Personality Number 9
    QT_TRANSLATE_NOOP(
        "Content",
        "Others see a warm, cultured and broad-minded person who seems to get on with everyone. "
        "You may carry a touch of the artist or the performer, and strangers feel at ease with "
        "you quickly. Some sense that your mind is on the wider world rather than on the room, "
        "which can make you seem a little distant."),
    // Inner Dreams / Personality Number 11
    QT_TRANSLATE_NOOP(
        "Content",
        "An air of idealism and sensitivity surrounds you, and people often find you unusual or "
        "quietly magnetic. You can seem inspired and glowing at times and tense or far away at "
        "others. Many come away from meeting you with a feeling that they should aim a little "
        "higher."),
    // Inner Dreams / Personality Number 22
    QT_TRANSLATE_NOOP(
        "Content",
        "People see in you a steady, capable strength joined to large ideas. You look like "
        "someone who could plan a great undertaking and see it built, and others readily trust "
        "your judgement. That weight of presence can also make you seem serious and hard to get "
        "close to."),
};

} // namespace corvella::texts
