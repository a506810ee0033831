"""Exchanges between writers who know each other, and the short replies.

An exchange is a few texts back and forth between two writers of the sample
(or a writer and a sender who is not in the register); the generator keeps
them together in the corpus, in order, so that a reply can lean on what came
before it ("wot did he say?").  Marks as in corpus_young.py.

SHORT holds the little replies any writer of an age group may send: they are
short enough (one to four words) to be said the same way by many people.
"""

EXCHANGES = [
    # Julie's family
    [("Julie", "Dave can you get Chloe from Paige's at 9, I've had 2 glasses of wine"),
     ("Dave 42", "on my way back from the tip, will get her"),
     ("Julie", "Thank you love. She's not to have any more Coke ~")],
    [("Chloe 14", "dad can u pick me up from paiges"),
     ("Dave 42", "5 mins"),
     ("Chloe 14", "can tyler have a lift 2, he lives by the garage"),
     ("Dave 42", "no")],
    [("Grandad Ken", "Julie, is Bonnie allowed a sausage?"),
     ("Julie", "No Dad! She's on a diet. How many has she had?"),
     ("Grandad Ken", "Two.")],
    [("Chloe 14", "mum can i get my ears pierced again, paige has got 3 in each"),
     ("Julie", "We'll talk about it when I get home"),
     ("Chloe 14", "thats a no isnt it ^")],
    [("Julie", "Dad, Chloe's got a part in the dance show on the 9th, do you want a ticket?"),
     ("Grandad Ken", "Yes please. Two if Mrs Hughes from next door can come."),
     ("Julie", "Mrs Hughes?? Dad! ~")],
    # Sue and Lauren
    [("Lauren", "Mum what temperature do you cook a chicken at?"),
     ("Sue H", "180 for about an hour and a half pet, check the juices run clear. Who are you cooking for?"),
     ("Lauren", "Callum's parents are coming ^"),
     ("Sue H", "Ring me, I'll talk you through it x")],
    [("Sue H", "Lauren did you get home safe pet?"),
     ("Lauren", "Yes sorry, fell asleep as soon as I got in x")],
    [("Lauren", "Callum and me have split up"),
     ("Sue H", "Oh pet. Do you want me to come down? I can be there by teatime"),
     ("Lauren", "No I'm ok, Priya's here. Love you x")],
    # Nan Pat, Tracey and Jordan
    [("Nan Pat", "Jordan, Nan is outside the school in the car."),
     ("Jordan", "which gate"),
     ("Nan Pat", "The one with the lollipop lady"),
     ("Jordan", "cumin")],
    [("Tracey", "Mum have you still got Leah's coat from Sunday?"),
     ("Nan Pat", "Yes love it's on the hook. Ron will drop it round x")],
    [("Jordan", "mum can i have 2 quid for the tuck shop"),
     ("Tracey", "what did you do with the 2 quid I gave you yesterday"),
     ("Jordan", "lent it to kai")],
    [("Tracey", "Wayne says he'll look at your boiler Sat, mum"),
     ("Nan Pat", "He's a good lad. I'll do him a bacon sandwich x")],
    # Kerry, Vicky, Joanne, Lisa
    [("Vicky", "kerry has mum said anything about sunday"),
     ("Kerry B", "She says 1 o clock and bring a pudding, she's doing beef"),
     ("Vicky", "jay's doing a trifle, god help us ~")],
    [("Kerry B", "Joanne did you see Lisa's ex at the gate this morning??"),
     ("Joanne", "Yes! Bold as brass. What did he say to her?"),
     ("Kerry B", "Dunno but she went bright red. I'll ring her later")],
    [("Lisa M", "joanne did kerry say owt about me"),
     ("Joanne", "Only that she's worried about you, we both are. Come round for a brew"),
     ("Lisa M", "ok ill come after work x")],
    [("Kerry B", "Vicky he proposed!!!!"),
     ("Vicky", "OMG!!!! about time!!! have u told mum"),
     ("Kerry B", "No, you're the first, don't say anything till Sunday")],
    # Nicola, Paul, Amber, Rachel
    [("Amber", "Mummy when are you coming home"),
     ("Nicola", "Half an hour sweetheart. Is Daddy cooking?"),
     ("Amber", "He's burnt the fish fingers ~")],
    [("Nicola", "Did you remember the bin?"),
     ("Paul 35", "Which one?"),
     ("Nicola", "The one by the back door with the bin bag in it, Paul")],
    [("Rachel", "How did the interview go?"),
     ("Nicola", "Good I think! They said they'd ring on Monday"),
     ("Rachel", "Fingers crossed. You'll walk it")],
    # Claire, Rob, Emma
    [("Claire 34", "Where are you? Isla's the only one left at ballet"),
     ("Rob", "stuck behind a tractor, 5 mins, sorry"),
     ("Claire 34", "I've rung the teacher, she'll wait. A tractor?!")],
    [("Emma D", "Claire it's my birthday do on the 20th, the Ivy at 8, can you come?"),
     ("Claire 34", "Wouldn't miss it. Rob's on babysitting duty")],
    # Emma and Sarah
    [("Sarah J", "Emma I've left my stethoscope in your locker, can you bring it tomorrow?"),
     ("Emma D", "Got it. And your lip balm. And half a Twix ~")],
    # Lads: Gaz, Lee, Dean, Craig
    [("Gaz", "who's playing thurs"),
     ("Dean", "me n wayne if his ankle's ok"),
     ("Lee T", "cant mate, baby"),
     ("Gaz", "lightweight ~")],
    [("Dean", "gaz can u look at my car, its making a noise like a goose"),
     ("Gaz", "bring it in sat morning, I'll have a look. a goose?"),
     ("Dean", "a honking noise, wen i go round corners")],
    [("Lee T", "craig where r u, we are late"),
     ("Craig W", "in the co-op getting a pasty, 2 mins"),
     ("Lee T", "get me one")],
    [("Big Al", "Gaz are we on for darts Thursday?"),
     ("Gaz", "yeah, ill pick u up at 7")],
    [("Dazza", "gaz r u coming out tonight"),
     ("Gaz", "cant, nikki's mums birthday")],
    # Jade and her mates
    [("Jade K", "danielle wot time u finishin 2nite? can come n meet u at the ship n then go into town if u want, shaz is up 4 it 2"),
     ("Danielle", "half 11, come at 11 and I'll sort you a drink"),
     ("Jade K", "mint!! c u there babe, wear ur new top, u look gorgeous in it, dont let lewis tell u otherwise x")],
    [("Shaz", "jade wot did reece say??"),
     ("Jade K", "he sed he woz sorry n he wants 2 c me tomorrow, i sed ill think about it, wot do u reckon?"),
     ("Shaz", "tell him 2 do one ~")],
    [("Becca", "jade r u still coming sat?"),
     ("Jade K", "yeh deffo, wot time? n is it fancy dress or not? coz shaz sed it woz n i dont want 2 turn up as a nurse if it aint ~")],
    [("Kerry", "jade nan says r u coming sunday?"),
     ("Jade K", "tell nan yes, ill bring the trifle if mum lets me, is ur mum doin the beef again?")],
    # Sophie and Becky, Tom, Ash
    [("Becky T", "Sophie are you in? Locked out again"),
     ("Sophie 22", "On the bus, 10 minutes, go to the Spar and get milk ~")],
    [("Tom P", "are you coming tonight?"),
     ("Sophie 22", "Yes! Becky too. What time are you on?"),
     ("Tom P", "about 10, we're after the covers band")],
    [("Ash 21", "anyone got a car saturday? need to get the amp to the cellar"),
     ("Tariq", "Ask Megan's dad"),
     ("Ash 21", "asked, he said no. something about last time ~")],
    # Karen, Margaret, Jean, Angela
    [("Margaret", "Karen, what time are you picking me up?"),
     ("Karen 48", "10 o'clock Mum, as I said. Have your card ready."),
     ("Margaret", "Which card?"),
     ("Karen 48", "The hospital card, Mum. The blue one.")],
    [("Auntie Jean", "Karen, is your mother alright? She isn't answering the phone."),
     ("Karen 48", "She's fine Jean, she's at lunch club. I'll get her to ring you.")],
    [("Angela", "Karen, have you read the last chapter yet?"),
     ("Karen 48", "Yes. I threw it across the room."),
     ("Angela", "So did I! Thursday can't come soon enough ~")],
    # Debbie, Mandy, Jess, Trish
    [("Jess H", "mum can brandon come for tea"),
     ("Debbie", "yes if he eats what he's given, it's shepherd's pie"),
     ("Jess H", "he hates mince ^")],
    [("Mandy", "deb have you seen the rota??"),
     ("Debbie", "yes, she's done it again, I'm going to say something this time")],
    # Steve, Ryan, Mick
    [("Ryan M", "dad can i take the car tonight"),
     ("Steve", "Where to?"),
     ("Ryan M", "jasmines"),
     ("Steve", "Back by 11 and put a tenner of petrol in")],
    [("Steve", "Mick you playing Friday or what?"),
     ("Mick", "Course I am. Wouldn't miss the final")],
    # Ian and Graham
    [("Ian", "Graham, 8.10 Saturday?"),
     ("Graham", "Yes, unless the fence wins.")],
    # Lauren and Sue again, Ollie's birthday
    [("Sue H", "Lauren, don't forget it's Ollie's birthday on Thursday"),
     ("Lauren", "I know!! I've sent a card. Is he having a party?"),
     ("Sue H", "Pizza and his mates. God help me pet")],
]

SHORT = {
    # under 18
    "Y": ["ok", "k", "kk", "yeh", "nah", "lol", "wot?", "y?", "where?", "wer r u", "ok cu l8r", "soz",
          "im home", "cumin", "omg", "haha", "nite", "shut up!", "ur jokin", "ok ta", "no way",
          "love u", "boring", "wot time?", "ok mum", "im bored"],
    # 18 to 25
    "A": ["ok", "yeah", "yeh", "lol", "haha", "ta", "cheers", "where are you?", "on my way",
          "wot u up 2?", "night", "nah", "no worries", "sounds good", "ha ha", "ffs", "soz",
          "ring me", "what time?", "u ok?", "ok hun", "love ya", "5 mins", "cya", "mint",
          "go on then", "who?", "yeh go on", "im in bed"],
    # 26 to 40
    "B": ["Ok", "Yes", "No", "Ok thanks", "On my way", "5 mins", "Will do", "Sounds good",
          "Lol", "Haha", "Ring me", "Cheers", "Night", "Where are you?", "Love you",
          "Oh no", "Brilliant", "No worries", "Ta", "Just leaving", "Home now", "Maybe",
          "Course", "Yeah go on then", "Bless her", "Ha!", "What time?", "Nightmare"],
    # 41 to 60
    "C": ["Ok", "Ok love", "Yes", "No", "Thanks", "Will do", "On my way", "Lovely",
          "Ring me", "Thank you", "Home now", "Oh dear", "Where are you?", "Fine",
          "Ok pet", "Brilliant", "See you later", "Just leaving", "Good", "Yes please",
          "Great", "In a meeting", "No problem", "Ok will do"],
    # 61 and over
    "O": ["Ok", "Thank you.", "Yes.", "Lovely.", "Ok love.", "Thank you dear.", "Yes please.",
          "Home now.", "Will do.", "Received, thank you.", "Good.", "Bless you."],
}
