"""What the younger writers of the sample text: under 18 and 18 to 25.

One message a line, as the writer would send it to the person it is for: an
arrangement, a reply, a check-in, a moan, a bit of banter or flirting, about
the here and now.  The generator then spells it in the writer's own habits
(make_corpus.py).  Each writer has a life of their own, fixed in the note
above their lines (age, family, partner, work or school, how they get about);
the names in a writer's lines belong to that writer's circle and to no other.

Marks inside a line:
  {a|b}    one of the alternatives, chosen per use
  [...]    an optional part (the generator may leave it out)
  ~        a place where the writer may laugh or grin (lol, haha, :-) ...)
  ^        a place for a sad face, if the writer uses them
  $        at the very end: no kisses on this one (a text to a boss, a mate)
"""

W = {}

# ---------------------------------------------------------------- under 18

# Chloe, 14: Julie and Dave's daughter, brother Kieran (9), dog Bonnie, best
# mate Paige, fancies Reiss in year 10, street dance on Tuesdays; gets lifts
# from her mum or dad, or the 22 bus into town.
W["Chloe 14"] = """
mum can i go to paiges after school, her mum said she can drop me back by 8
where are you?? been stood outside the gates for ages and its freezing
dad can u put a fiver on my phone pleeease, ill do the dishes all week
paige reckons reiss fancies me but i think shes lying ~
got a B in maths! mr hollis said i've come on loads
we need a baked potato for food tech tomorrow have we got any
can paige stay on friday, we'll be good i swear
im at paiges, her mum is doing fajitas so dont save me any tea
mum i need £12 for the trip by friday or i cant go
no credit so if i dont reply thats why
sorry forgot to text, at the park with paige, home by 7
kieran keeps going in my room, tell him mum
reiss just said hi to me in the corridor omg
whats for tea
is it ok if i go to the disco at the leisure centre, it finishes at 10 and paiges dad is picking us up
hate school, mrs dobbs gave me a detention for chewing ^
mum i feel sick can u ring school and say ur picking me up
mr hollis is off so we've got a supply ~
paige stop ignoring me i said sorry
yeah ok
are u coming to watch me on tuesday, we're doing the routine from the show
can i get the 22 into town with paige on saturday, we're only going to new look and back
did u wash my black top i need it tonight
ok but can i stay till half 9 then
"""

# Jess, 15: Debbie's daughter, brother Connor (20), works Saturdays at the
# bakery on the high street, best mate Chloe, boyfriend Brandon (16); walks.
W["Jess H"] = """
mum im staying at chloes tonight ok, her dad will bring me back in the morning
brandon is walking me home so dont wait up, back by half 9
cant talk at work, the boss is watching
connor has eaten all the cereal AGAIN
got my options, doing drama and childcare
hiya are u at work, can i have a fiver for the cinema, ill pay u back saturday
miss you already, tonight was the best ~
brandon hasnt text me back all day, think hes mad at me ^
has anyone got the english homework, left my book at school
sorry about this morning mum, love you
cant believe mocks are in 2 weeks, havent done any revision
the bakery want me to do sunday as well, can i
yeah go on then
what did he say??
omg shut up ~
night babe, love you loads, cant wait to see you tomorrow
"""

# Amber, 11: Nicola and Paul's daughter, baby brother Finn, hamster Nibbles,
# best friend Erin, Brownies on Mondays, swimming on Thursdays.  Her first
# phone, her mum's old one: she writes it all out.
W["Amber"] = """
Mum can Erin come to ours after school? Her mum says it's ok
Nibbles got out again, he was under the sofa ~
Dad can you bring my swimming bag, I left it by the door
I got star of the week! :)
Can I have a sleepover for my birthday please please please
I'm at Erin's. Her mum will bring me home at 6
Brownies is cancelled tonight because Brown Owl is ill
"""

# Jordan, 14: Tracey's son, sister Leah (7), nan is Nan Pat, mates Liam and
# Mikey, plays for the under 15s; walks or gets picked up.
W["Jordan"] = """
mum can liam come round after footy
where r u nan im at the door
we won 4 2, i scored ~
can i have a tenner for the match on sat
leah is in my room again
im at mikeys, his mum said i can stay for tea
forgot my boots can u bring them to the field
is tea ready im starving
coach says im starting on sunday
ok
"""

# Ryan, 17: Steve's son, college (motor vehicle), learning to drive (lessons
# on Thursdays, drives only with his dad in the car), part-time at the chippy,
# girlfriend Jasmine; gets the bus.
W["Ryan M"] = """
passed my theory, 48 out of 50 $
working at the chippy till 10 so ill get a lift off jonno $
college was a waste of time, tutor didnt even turn up
cant, skint till friday
"""

# ---------------------------------------------------------------- 18 to 25

# Jade, 19: junior stylist at Hair by Nicky, lives with her mum and brother
# Reg (15), boyfriend Reece (on and off), best mate Danielle, cousin Kerry,
# mates Shaz and Becca, out on Fridays at Liquid, saving for Magaluf in July;
# gets the bus (the 47) or a taxi home.
W["Jade K"] = """
hiya babe u still coming into town with me saturday? i need new shoes for magaluf and u know what im like on my own
just finished work, nicky had me on 3 perms in a row, my back is killing me. what u up to tonight?
where are you?? im outside the kebab shop and its freezing, hurry up or im going without you
cant believe its only wednesday, this week is dragging so much, need a drink and a dance
ta for last night babe i owe u a vodka, cant even remember getting home ~
what time are we meeting? im going to be late cos my hair wont go right, save me a seat
hiya how did ur interview go? hope u got it u deserve it more than anyone
ok babe see you at 8
yeah go on then, but only one cos i have got work at 9 and nicky will kill me if im late again
reece wants to take me out for a meal on saturday, think hes up to something, what do u reckon?
im bored out of my head at work, nobody has come in for 2 hours and nicky has gone to the bank
u left ur straighteners at mine do u want me to bring them tonight
cant come out tonight, skint till payday and mum wants me to stay in with reg cos shes on nights
miss you, tonight was lush, text me when you get in so i know ur home safe
omg shut up ~ did he really say that?
whats the plan for tonight? is it liquid or the ship first? i dont mind as long as we are not late for the bus back
im on the 47 now, be there in 10 mins, get me a drink in
where r u? been sat here on my own for 20 mins like a right loser
no way! who told u that?
ok hun speak later
yeah ill be there, tell shazza to get her arse out of bed for once
is it true carly has dumped her fella? she was all over some lad in liquid on saturday
just got home, my feet are killing me, them new shoes are a bloody nightmare
what u doing sunday? fancy going to the retail park for a mcdonalds and a mooch round?
reece just turned up at work with flowers in front of everyone, i wanted to die but it was well cute ~
soz babe my phone died, did u get home ok? i was worried about u
mum is doing my head in today, she wants me to tidy my room before i go out, im 19 not 9
ring me when ur on ur break, need to tell u something and i cant put it in a text
yeah he is fit but he knows it, not my type ~
ok what time? ill get ready at urs if thats ok, my mum has got the bathroom all night
cant wait for magaluf, 7 weeks today, need to get a spray tan booked and new bikinis
does my hair look shit in that photo? be honest
reece said he might come out tonight with his mates, if he does i am not talking to him
hey u ok? u seemed a bit quiet last night, hope its nothing i said
love u babe ur the best mate anyone could have, even when ur pissed ~
just got paid! we are so going out tonight, first round on me
what did he say?? tell me everything
my nan just text me for the first time ever, it took her 3 days ~
got a client at 3 who wants a full head of foils and shes 20 mins late already, not happy
ok see u there, dont be late this time or we are going without u
sorry i was moody earlier, bad day at work, nicky was on my back all day
reg has eaten my last yoghurt and blamed the dog, we havent got a dog
is ur mum still doing the lifts tonight or shall we get a taxi back?
cant believe u went home with him, ring me NOW ~
yeah im up, just about, what time is it?
hiya, are we still on for the pictures on thursday? i want to see the one with the dog in
im so hungover, why did we do shots, never again
he keeps texting me saying he misses me, i miss him too but i dont want to look desperate
night hun, thanks for tonight, love u loads
wheres the party? send me the address and ill get a taxi after work
i need a new top for saturday, fancy meeting me on ur dinner and we can go to primark
just seen reece with that girl from the ship again, im not bothered honest
ha ha u are so bad, what did ur mum say?
tell ur mum ta for the lift, she is a star
ok ill ring u in 5, just getting out of the shower
what time does the bus go back? dont want to be stuck in town again like last time
cant stop thinking about last night, cant wait to see u tomorrow, u better not be late
need a favour, can u cover me on saturday morning? ill do ur sunday next week
yeah course i will, what time do u want me?
my mum is doing a roast on sunday, do u want to come? she says u are more than welcome
why did nobody tell me it was fancy dress, i am the only one in jeans
just had a row with mum, can i stay at urs tonight?
nicky says we can have the christmas do at the italian, u coming?
ok just got in, night babe
hiya, did u find ur phone in the end? u were so drunk lol
im gonna get my hair done red, what do u think, too much?
what u doing tomorrow night? fancy a dvd and a takeaway at mine, i cant afford to go out
ok its a date, 8 o clock at the ship, ill be the one at the bar ~
i know i said i wasnt going to but i have text him back, dont hate me
skint again, i need to stop buying shoes
are u coming to the ship for danis birthday? we are going into town after
ha ha no way, did u tell him where to go?
yeah fine, see you in a bit
thanks for listening last night hun, dont know what id do without u
"""

# Lauren, 21: Sue's daughter, second year English at Leeds, shares a house
# with Priya and Fran, brother Ollie (17) at home, boyfriend Callum; has no
# car, gets the train home.
W["Lauren"] = """
Train gets in at 6.40, can someone pick me up?
Just handed my essay in! Going to the pub to celebrate
Mum can you post my black boots, the ones under my bed
Callum's coming home with me at the weekend if that's ok, he'll sleep on the sofa ~
Yeah I'm fine, just knackered. Library till 9 every night this week
Tell Ollie happy birthday from me, I'll ring him later
Miss you already, the house is so quiet without you. Ring me when you're back
Hey have you got my charger? Can't find it anywhere
Ok I'll ring you on Sunday
Fran's eaten my cheese again. I'm going to kill her
Can you put £20 in my account, I'll pay you back when the loan comes in
What time's your lecture tomorrow? Fancy a coffee after?
Sorry missed your call, in a seminar. Everything ok?
Just seen the reading list for next term, I'm going to die
Yeah go on then, I'll meet you at the Union at 8
Love you too, see you Friday
Crap, I've left my purse at yours. Can you bring it tomorrow?
Hi Dad, how's the knee? Mum said you've been told to rest it
Priya's birthday on Friday, we're going out in Leeds, so I won't be home till Saturday
"""

# Becky, 23: training to be a primary teacher, placement at a school in
# Moss Side, shares a flat with Sophie, sister Laura, boyfriend Nathan; has
# a little Fiesta.
W["Becky T"] = """
Observed tomorrow at 9.15, wish me luck
Can you put the chicken in the oven at 6? I'm stuck at school doing displays
Nathan's coming round tonight, is that ok? We'll stay out of your way ~
I've just spent 3 hours laminating, this is not what I trained for
Yes please, get me a large glass of white in
Are you in tonight? Fancy a curry and a bottle of wine, I've had a shit day
Car's making a funny noise again. Nathan says it's the exhaust
Hi Laura, what are you getting Mum for her birthday? Shall we go halves?
Love you, thanks for last night, you're a star
Miss you, come round after footy? I'll cook
Ok see you there
Sorry, running late, kids wouldn't go home
Parents evening went fine, one dad asked if I was the student ~
What time is the thing on Saturday? Do we need to bring anything?
Car's in the garage till Friday, can you give me a lift in tomorrow?
I'll be home about 5, shall I get milk?
Night, sleep well
"""

# Sophie, 22: final-year geography, shares a flat with Becky, boyfriend Tom
# (he plays drums and works at the Grove), dissertation on flooding,
# Saturdays at Waterstone's; walks or gets the bus.
W["Sophie 22"] = """
Dissertation meeting moved to Thursday, so I can come tonight after all
Are you working Saturday? I'll come in on my break
Can you get bread and milk on your way back? And toilet roll
Just had the worst shift, a woman shouted at me cos we didn't have a book she couldn't remember the name of
Miss you, can't wait to see you tonight. Don't be late this time
Yeah I'm in, come round whenever
What time are you on tonight? I'll bring Becky
Hey are you still at the library? Fancy a drink after
Haha shut up, you're just jealous
Ok, text me when you're leaving
Love you x
"""

# Danielle, 20: Jade's best mate, behind the bar at the Ship, lives with her
# nan, boyfriend Ricky, going to Magaluf with Jade; walks, the Ship is round
# the corner.
W["Danielle"] = """
On till 11, come in and I'll sort you a drink
Nan says thanks for the flowers, she loved them
Can't tonight, Ricky's taking me out, he won't say where ~
Where are you? I've been stood here like a lemon
Just paid the deposit for Magaluf! We are going!
Ok see you at 8
Ricky's being a twat again, can I come to yours?
"""

# Gemma, 25: senior stylist at Hair by Nicky with Jade, engaged to Ross,
# planning the wedding for next June, cat Biscuit; drives a Clio.
W["Gemma R"] = """
Can you do my 10 o'clock tomorrow? I've got the dress fitting
Ross has booked the venue! Stanton Hall, 14th June
Biscuit has been sick on the duvet, can you pick up some cat food on your way home babe
Running 10 mins late, stuck behind a bin lorry
Yeah fine, see you at 9
"""

# Dean, 24: call centre at the bank, five-a-side on Thursdays with Gaz and
# Lee, girlfriend Kirsty, supports United, lives with his brother Scott;
# drives an old Astra.
W["Dean"] = """
you coming out saturday? me and scott are going the feathers then into town
kirsty's mum has invited me for sunday dinner, what do i take? wine or flowers?
cant make 5 a side tonight mate, stuck at work till 8, some twat has crashed the system $
miss you babe, cant wait to see you later
off sick today, my head is banging, told them its a bug ~
yeah go on then, pint at 8? $
what time's kick off $
car failed its mot, 300 quid, fuck sake
where are you? im at the bar $
love you, see you tomorrow
had a right nightmare at work, 70 calls before dinner and one woman cried down the phone at me
ok cool
are you still at your mums? ill pick you up at 7
scott has drunk all my beer again, im going to kill him $
did you see the match? what a goal ~
"""

# Ash, 21: second year computing, guitar in a band (Static Haze), shares a
# house with Tariq, girlfriend Megan, works at the union bar; no car.
W["Ash 21"] = """
practice moved to 7, same place $
megan are you coming to the gig saturday? we're on at 10
can you cover my shift wednesday? i'll do your friday $
just bombed my exam, i knew none of it ~
got a gig at the cellar bar on the 12th! $
miss you, when are you back from your mums?
yeah go on, i'll be there in 20 $
where's the key for the shed? need the extension lead $
the amp's fucked, anyone know someone who can fix one $
cheers for tonight, you were brilliant
"""

# Craig, 19: apprentice electrician with Lee, lives with his mum, saving for
# a car (gets the bus or a lift off Lee), supports City.
W["Craig W"] = """
lee what time you picking me up $
is it the same job as yesterday? $
mum im going to bens after work, dont do me any tea
can i borrow 20 quid till friday $
cant believe city lost again, shit $
ok mate $
"""

# Tom, 22: Sophie's boyfriend, works behind the bar at the Grove, drums in a
# covers band; cycles.
W["Tom P"] = """
finished at 12, can i come to yours?
miss you, how's the dissertation going?
"""

# ---------------------------------------------------------------- more of the same writers:
# the longer texts, where there is more to say than one line

W["Jade K"] += """
hiya babe what u up to? im sat in the staff room eating a pot noodle, nicky has booked me solid till 6 and i havent even had a fag yet
are u coming out friday or not? shazza says she is skint but she always says that and then turns up with a tenner and a bottle of wkd
cant believe u told him i said that! i was only joking and now he thinks i fancy his mate, cheers for that ~
just got in from work and mum has made a lasagne and i have had 2 plates, i am going to be the size of a house in magaluf
how was ur first day? did u get a nice trainer? text me on ur dinner and tell me everything
im sorry babe i didnt mean to have a go at u last night, i was drunk and tired and reece had wound me up all day, forgive me?
mum says can u stop leaving ur shoes on the stairs when u stay over, she nearly went flying this morning ~
wtf is going on with reece? he has put on bebo that he is single, i am going to kill him when i see him
do u want to come to mine before we go out? we can get ready together and have a couple, mums out at bingo
just been paid and its gone already, rent to mum, phone bill and the deposit for magaluf, i have got 12 quid to last me 2 weeks
ok meet u at the bus station at half 7, we can get the 47 together, dont be late or i am going without u
reece just text me asking if i want to go to his mums for sunday dinner, his mum hates me, what do i do?
have u seen the state of my fringe? nicky let the new girl practise on me, i look like a right idiot
miss u loads, cant wait for saturday, what time are u picking me up? im going to wear the black dress
i know its late but are u awake? cant sleep, keep thinking about what he said, ring me if u are up
yeah im fine, just tired, had a mad busy day, 3 weddings and a prom, my feet are killing me
happy birthday babe! hope u have a mint day, see u tonight at the ship, first drink is on me
ok so i have done something stupid, dont shout at me, ring me when u can and ill tell u everything
hey u, thanks for sorting my hair out last night, it looked lush, everyone was asking where i had it done
are we still on for tomorrow or has ur mum got u babysitting again? let me know so i can sort the lift
reg has just come in with a black eye and wont tell mum what happened, i think he has been fighting again
"""

W["Chloe 14"] += """
mum can i go to the cinema with paige on saturday, her mum is taking us and we'll get the bus back before 6, pleeease
dad i left my dance stuff in the car can u bring it to the leisure centre before half 5, we're doing the routine tonight
paige did u see what reiss put on his msn name, i think its about me ~
"""

W["Jess H"] += """
mum can u pick me up from the bakery at 4, its pouring and i havent got a coat, and can brandon have a lift home too
"""

W["Jordan"] += """
nan can i come to yours after school, mum is at work till 6 and leah has got the key
"""

W["Ryan M"] += """
jasmine im at the chippy till 10, can u meet me after? miss u
"""

W["Lauren"] += """
Hi Mum, just to say I'm home safe, the train was packed and I had to stand till Wakefield. Love to Dad
Can you ask Dad if he can come and get me on Friday? I've got all my stuff for the summer and I can't carry it on the train
Sorry I haven't rung, it's been mad with deadlines. I'm fine, honestly, eating properly and everything. Will ring Sunday
"""

W["Becky T"] += """
Are you in tonight? I've had the day from hell, the projector died in the middle of my lesson and then the head came in to watch me. Wine please
"""

W["Dean"] += """
kirsty wants to go to her mates engagement do on saturday but it's the derby, how do i get out of it without being in the doghouse $
going to be late tonight babe, they've kept us back for a meeting about targets, i'll bring a chinese home to make up for it
scott's lost his job, can you keep it quiet for now, he hasn't told mum yet $
hey you, just wanted to say sorry about last night, i was being a prat, can i take you out for a meal on friday?
"""

W["Ash 21"] += """
megan i'm really sorry about last night, i know i was an idiot, can i come round after practice and say it properly?
anyone fancy the pub quiz tonight? taz is in, need 2 more, we're meeting at 8 at the union $
mum i'm fine, eating properly, honest. exams finish on the 14th so i'll be home that weekend with a bag of washing ~
"""

W["Craig W"] += """
lee i'm going to be 10 mins late, bus has broke down on the ring road, i'll get a taxi if it's not moving soon $
mum can you wash my work trousers tonight, got the big job tomorrow and i've got paint all over them
"""

W["Sophie 22"] += """
Just handed my dissertation in! 3 years and it's done. Meet me in the union, first round's on me
"""

W["Danielle"] += """
Nan's had a fall but she's ok, I'm at the hospital with her, can you tell Ricky I'll ring him later
"""

W["Jade K"] += """
hiya babe, are u working saturday? nicky wants me in at 8 for a wedding party, 6 bridesmaids and the mum, so i wont be out till 3, can we meet at urs after and get ready there? i will bring the vodka
ok so last night reece turned up at my mums at 1 in the morning pissed out of his head shouting my name in the street, mum went mental and now the neighbours are all talking, i could die
just seen ur text, soz i was in the shower, yeah im still up for tonight but i am not staying out late cos i am on at 9 and nicky will go mad if i turn up looking like death again
cant believe we only have 3 weeks till magaluf! i have got my flip flops, my bikinis and my fake tan sorted, just need a new case cos mine broke on the way back from blackpool
he has just text me saying he is sorry and he will change and he loves me, i have heard it all before but i do miss him, what would u do if it was u? be honest with me
babe are u ok? ur mum said u were upset when u got in last night, was it that lad from the ship? ring me when u get this, i dont care what time it is, i am here for u
been stood at this bus stop for 25 mins and no sign of the 47, its freezing and my phone is about to die, if i dont turn up its cos i have been eaten by a bus shelter
mum says u can stay at ours saturday if u want, she is out with her mates from work so we will have the house to ourselves, just dont tell reg or he will want to invite his mates
soz i didnt text back last night, fell asleep on the sofa with my make up on and woke up with a cushion print on my face, what did u end up doing? did u go back to his?
i have got a client at 4 who wants to look like posh, she is 52 and has hair like a brillo pad, nicky has given her to me on purpose i swear
reece has asked me to move in with him and his brother, i dont know what to say, its a dump and his brother is a slob but i would get away from mum, what do u think?
its only tuesday and i am already skint, mum wants her board money friday and i owe shazza a tenner, might have to ask nicky for some extra hours on sunday
are u still coming into town saturday? i need a dress for our cousins wedding and u know i cant pick anything on my own, i always end up buying something i hate
just had a massive row with reece on the phone, he says i care more about my mates than him, he is such a baby, i am going out tonight whether he likes it or not
i have just seen ur photos from saturday, why did nobody tell me i had lipstick on my teeth all night?? i am never going out with u lot again ~
thank u so much for last night babe, i know i was a mess but u sorted me out, dont know what i would do without u, i owe u big time, drinks on me friday
ok im here, im by the cash machine outside boots, where r u? if u r not here in 5 mins i am going into new look without u
omg just found out nicky is selling the salon! she told us all at dinner, i dont know what is going to happen to us, i might have to look for another job
reg has got a girlfriend! she is about 4 foot tall and has a fringe like a helmet, mum is over the moon, i cant stop laughing ~
"""

W["Chloe 14"] += """
mum can i stay at paiges tonight, her mum says its fine and we will do our homework i promise, i have got my stuff for school, i will be home straight after tomorrow
dad pleeease can u pick me and paige up from the leisure centre at 9, her mum cant and its dark and we dont want to walk past the park on our own
mum guess what reiss asked me to go to the pictures with him on saturday! can i go? his mum will take us and bring us back
omg mum u will never guess, mrs dobbs has picked me and paige to do the dance at the christmas show in front of the whole school, im so nervous ~
"""

W["Jess H"] += """
mum can i go to the fair with brandon and chloe on saturday night, his brother is taking us in the car and bringing us back by 10, pleeease, i will do the hoovering
miss you, cant believe you have got to go to your dads all weekend, text me every minute, i mean it, i will be so bored without you
"""

W["Jordan"] += """
mum the coach says we have got a tournament in blackpool in june and it costs 40 quid for the coach and the hotel, can i go, all my mates are going
"""

W["Lauren"] += """
Mum, just so you know, I've had a bit of a rough week, nothing serious, just missing home and Callum's being weird, I'll ring you tonight when Fran's out
Fran, are you in tonight? I've just had the worst tutorial of my life, he basically said my essay was rubbish in front of everyone, I need wine and a DVD
Callum, I'm sorry about last night, I was tired and stressed about the deadline and I took it out on you, can I come round after my lecture and make it up to you?
Just finished my last exam! I think it went ok, I answered the question on Hardy and didn't cry, which is a start. Going to the pub, will ring you tomorrow
Hi Dad, Mum says you're thinking of getting a new car, please don't get another estate, get something nice, you deserve it, love you
"""

W["Becky T"] += """
Nathan, I'm so sorry, I completely forgot about your mum's dinner, they kept us after school for a meeting about the inspection and my phone was on silent, are you still there?
Can you do me a favour and record Corrie? I'm stuck at this parents evening till 8 and there's still about 15 parents to see, I'm going to fall asleep in the staff room
Guess who's got a job! St Anne's rang me this afternoon, I start in September, year 2, I can't believe it, I'm going to cry. Drinks on me tonight
"""

W["Sophie 22"] += """
Tom, can you come round tonight? I've had the worst day, my supervisor wants me to rewrite the whole methods chapter and it's due in 3 weeks, I need a hug and a takeaway
Becky are you home tonight? I've got a bottle of wine and a bar of Dairy Milk and I'm not sharing either of them with anyone but you, the boys can fend for themselves
"""

W["Dean"] += """
babe i'm so sorry, i know i said i'd be back by 7 but the lads dragged me to the feathers after footy and i lost track of time, i'll be home in 20, don't be mad
mate are you still up for saturday? me and scott are going to the feathers at 1 for the early kick off then town after, tell robbo if you see him, he's not answering $
kirsty i've been thinking about what you said and you're right, i should have told you about the job thing, i was scared you'd go mad, can we talk tonight?
"""

W["Ash 21"] += """
megan i've got us tickets for the arctic monkeys in april! don't ask how much they cost, just say you love me and that i'm the best boyfriend in the world
taz, the landlord's coming round at 10 tomorrow to look at the damp, can you tidy the kitchen? it looks like a bomb's gone off and i'm at work till 11 $
"""

# ---------------------------------------------------------------- to partners, and the odd bad word

W["Jade K"] += """
miss u, cant stop thinking about u, come round after work tomo and ill cook, well ill get a pizza in
yeah ok but ur paying cos i paid last time
love u too, sorry for being a cow earlier
what did u do that for?? u know she fancies u, ur such a knob sometimes
tomo is fine, ill meet u at the bus station at 1
"""

W["Chloe 14"] += """
yeah i know, sorry
see u tomo at the gates, dont be late or im going in without u
"""

W["Jess H"] += """
yeah im fine, mum is just being mum
can u meet me at the gates tomo, i want to walk in with u, love u
"""

W["Lauren"] += """
Yeah it was good thanks, how was yours?
Miss you so much, only 4 more days and then you're all mine for a whole week, I've got a bottle of wine and a DVD lined up ~
Can't wait to see you tomorrow, I've booked us a table at that Italian you like, don't tell me you've got football
"""

W["Becky T"] += """
Can't wait to see you tonight, I've missed you loads this week, even if you did eat all my biscuits last time ~
Yeah I know, shit isn't it
"""

W["Sophie 22"] += """
Morning gorgeous, thanks for last night, you were lovely, sorry I was such a grump about the dissertation ~
Yeah why not, I've done enough work for one day
"""

W["Dean"] += """
yeah go on, the feathers at 8, you're getting them in $
morning gorgeous, missing you already, what time do you finish? i'll pick you up and we'll go for something to eat
bloody car's got a puncture, i'm going to be late, sorry babe
"""

W["Ash 21"] += """
yeah sound, see you there $
morning beautiful, can't stop thinking about last night, when can i see you again? tonight? tomorrow? right now?
"""

W["Danielle"] += """
Miss you babe, can't wait to see you after my shift, come and get me at 11 and we'll get chips on the way home
Yeah fine, see you tomo
"""

W["Ryan M"] += """
miss u, cant wait to see u tomo, my dad says i can have the car tonight if he comes with me ~
"""

W["Craig W"] += """
yeah im up, be outside in 5 $
bollocks, left my wallet on the bus, can you sub me for dinner? $
"""

W["Tom P"] += """
yeah see you tomo
"""

W["Jade K"] += """
omg reece just turned up at the salon with a card and a massive teddy, nicky nearly died laughing, i love him really but dont tell him i said that
sorry babe i was in a right mood last night, work was shit and then mum started on me about the state of my room, it wasnt u honest
u are such a cheeky cow, i saw what u wrote on my bebo, everyone is going to think i got off with him now, ur dead when i see u ~
ur so gorgeous, i keep looking at that photo of us from saturday, cant wait to see u tonight, dont be late or ur in trouble
"""

W["Lauren"] += """
Bloody hell, the library's shut for a fire drill and I've lost an hour, this essay is never going to get finished, can I come to yours to work?
Callum, I know I was in a mood last night, it's the deadline, it's not you, I love you, come round later and I'll make it up to you ~
"""

W["Becky T"] += """
Just been told the inspectors are coming on Tuesday, I'm going to be up every night doing my folder, I'm so pissed off, I'd planned a weekend with Nathan
"""

W["Sophie 22"] += """
Tom you absolute idiot, you left your drumsticks on the kitchen table and your keys in the door, anyone could have walked in, I love you but honestly
"""

W["Dean"] += """
what a load of crap that was, 2 nil down at half time and the manager just sat there, i'm not renewing my season ticket, i mean it this time $
kirsty, i love you, i know i don't say it enough but i do, i'm sorry i've been a knob about your mum, i'll make it up to you on saturday
"""

W["Ash 21"] += """
i can't believe the landlord's put the rent up again, that's 40 quid more a month for a house with mould on the ceiling, taking the piss $
megan you looked so gorgeous tonight, i couldn't stop looking at you across the bar, come back to mine after, taz is out ~
"""

W["Danielle"] += """
Ricky I'm so sorry about last night, I didn't mean what I said, I was drunk and jealous and I know nothing happened, please ring me, I love you
"""

W["Craig W"] += """
lee, the bloody bus has gone past me full, i'll be another half an hour, sorry mate, i'll make it up at dinner $
"""

W["Tom P"] += """
sophie, you looked gorgeous tonight, sorry i was stuck behind the drums all night, come round after you finish and i'll make you breakfast in the morning
"""

# ---------------------------------------------------------------- the odd very long one, sent in two or three parts

W["Jade K"] += """
ok so i am going to tell u this once and then i dont want to talk about it, reece has been messaging some girl from his work on msn, i saw it when he left his laptop on at his mums, i am gutted, i dont know whether to say something or wait and see if he tells me himself, what would u do? dont tell shazza
"""

W["Lauren"] += """
Mum, I've been thinking about next year and I think I want to move out of halls and in with Fran and Priya, it's cheaper and the house is nearer the library, Dad would need to be a guarantor though, can we talk about it at the weekend? Don't panic, it's a nice street
"""

W["Dean"] += """
mate you will not believe the day i've had, some bloke rang up screaming because his card got eaten by the machine in tenerife, then the system went down, then my team leader had me in for a chat about my sick days, then i got a parking ticket outside, i need a pint and i need it now $
"""

W["Becky T"] += """
Laura, I know Mum's upset about Christmas but I can't be in two places at once, Nathan's family have asked us for dinner this year and I said yes ages ago, can you help me explain it to her? I'll come on Boxing Day and stay till the 28th, I just don't want another row
"""

W["Jade K"] += """
shit shit shit, i have locked my keys in the salon and nicky has gone to her sisters in preston, mum is on nights, can i crash at urs?
cheers babe, ur a legend
wtf?
"""

W["Lauren"] += """
Oh crap, I've just realised the essay is due Monday not Friday, I thought I had another week, cancel tonight, I'm going to be in the library till it shuts
"""

W["Dean"] += """
scott you absolute muppet, you've only gone and put my white work shirts in with your red football socks, they're all pink, i've got a meeting at 9 $
"""

W["Ash 21"] += """
fuck, the van's got a flat and we're due on stage in an hour, can anyone get to the cellar bar with a jack? $
"""

W["Becky T"] += """
Sod it, I'm not marking another book tonight, bottle of wine and Desperate Housewives, are you in?
"""

W["Sophie 22"] += """
Argh, my laptop's crashed and I hadn't saved chapter 3 since Tuesday, I could cry, Tom says he knows someone who can get it back, please God
"""

W["Chloe 14"] += """
love u mum, sorry i was moody, can we get a chinese tonight?
"""

W["Ash 21"] += """
miss you too
"""

W["Becky T"] += """
Love you, night night
"""

W["Jess H"] += """
love u too, night
"""

W["Jade K"] += """
miss u babe, cant wait for tonight
love u loads, night
"""

# ---------------------------------------------------------------- plans and errands with their particulars

W["Lauren"] += """
Can you bring the big suitcase, the duvet, my hairdryer and the box of saucepans from the garage when you come on Saturday? Fran's mum is lending us a microwave
"""

W["Becky T"] += """
Going to Ikea on Sunday for a bookcase and some of those meatballs, Nathan's borrowing his dad's Transit, do you want anything? Cushions, candles, a flatpack husband?
"""

W["Sophie 22"] += """
Can you pick up my prescription from Boots, some Lemsip and a packet of custard creams? I'm in bed with a stinking cold and Becky's at her mum's till Tuesday
"""

W["Ash 21"] += """
setlist for saturday: the two new ones first, then the Libertines cover, then the slow one, taz reckons we should finish on the Kaiser Chiefs one but it's cheesy $
"""

W["Dean"] += """
kirsty's birthday on friday, i'm thinking the Toby carvery then the cinema, or is that too boring? she wants that handbag from Debenhams but it's 60 quid $
"""

W["Chloe 14"] += """
mum can i have my hair in a french plait for the disco, and can i borrow ur glittery eyeshadow and ur silver hoops, paige's mum is doing her nails
"""

W["Dean"] += """
bloody hell, 4 nil
"""

W["Ash 21"] += """
shit, overslept, start without me $
"""

W["Becky T"] += """
Oh crap, forgot my lanyard
"""

W["Lauren"] += """
Fran's burnt the lasagne, smoke alarm's screaming
"""

W["Chloe 14"] += """
can i have pancakes for tea
"""

W["Jess H"] += """
connor's nicked my hairbrush again
"""

W["Sophie 22"] += """
Yeah, 8 is fine
"""

W["Jess H"] += """
yeah ill ask her
"""

W["Jade K"] += """
r u up yet? i am sat on the bus and it is so hot and this man next to me has got his arm on my arm and i cant move, get me out
did u see the state of him on the way out of the club? he was on the floor and his mate had to get him in a cab, i was in bits
we r in the ship in the back by the pool table, come in when u get off the bus, i got u a wkd, dont be long or i will drink it
can u lend me ur black bag for sat? mine has got a rip in it and i cant go out with my stuff all over the floor again
just had my tea and now i am in the bath with a face pack on, mum says i look like a ghost, i will ring u when i get out
what did u get in the end? did u go for the red one or the one with the bow on the back? i bet u look well nice in it
"""
