"""What the younger writers of the sample text: under 18 and 18 to 25.

One message a line, as the writer would send it to the person it is for: an
arrangement, a reply, a check-in, a moan, a bit of banter or flirting, about
the here and now.  The one it is for knows the people and the backstory, so
a line names a job, a relationship or an earlier row only as far as the two
of them would.  The generator then spells it in the writer's own habits
(make_corpus.py).  Each writer has a life of their own, fixed in the note
above their lines (age, where they live, family, partner, work or school,
how they get about); the names in a writer's lines belong to that writer's
circle and to no other, and the dialect words to the writer's region.

Marks inside a line:
  {a|b}    one of the alternatives, chosen per use
  [...]    an optional part (the generator may leave it out)
  ~        a place where the writer may laugh or grin (lol, haha, :-) ...)
  ^        a place for a sad face, if the writer uses them
  $        at the very end: no kisses on this one (a text to a boss, a mate)
  +        at the very front: the writer sends this one whatever else they
           leave out (the lines that carry the swearing, the credit and the
           flirting the sample must have)
"""

W = {}

# ---------------------------------------------------------------- under 18

# Chloe, 14, Stockport: Julie and Dave's daughter, brother Kieran (9), dog
# Bonnie, best mate Paige, fancies Harry in year 10, street dance on
# Tuesdays; prepay phone her dad tops up; gets lifts or the 22 bus.
W["Chloe 14"] = """
mum can i go to paiges after school, her mum can drop me back by 8
where are you? been stood outside the gates for ages and its freezing
+dad can u put a tenner on my phone pleeease, ill do the dishes all week
paige reckons harry fancies me but shes lying ~
got a B in maths!
have we got any potatoes, need one for food tech
im at paiges, her mum is doing fajitas so dont save me any tea, can i stay till 9, we are watching hollyoaks
mum i need £12 for the trip by friday or i cant go
+no credit so if i dont reply thats why
kieran keeps going in my room, tell him
harry said hi to me in the corridor omg ~
whats for tea
mrs dobbs gave me a detention for chewing, its so unfair, paige was chewing as well and she didnt even see her ^
mum i feel sick can u ring school and come and get me
paige stop ignoring me i said sorry
are u coming to watch on tuesday
did u wash my black top i need it tonight
ok but can i stay till half 9 then
dad pleeease can u pick me and paige up at 9, its dark and we dont want to walk past the park
mum guess what, harry asked me to the pictures on saturday! can i go?
+love u mum, sorry i was moody, can we get a chinese
see u tomo at the gates, dont be late or im going in without u
+yeah i know, sorry
+fwd: if a boy says ur cute he likes u, if he says ur fit he fancies u, if he says nothing he loves u. send this to 10 ppl in 10 mins or u will be single 4 ever
can i have pancakes for tea
+dad missed call from u, wot do u want, im in maths
omg its snowing! do u think they will shut school
+mum ring me when u get this its about saturday
im bored, paige has gone to her nans ^
paige did u see what he put on msn, is it about me? ~
got 2 merits today
"""

# Jess, 15, Wakefield: Debbie's daughter, brother Connor (20), Saturdays at
# the bakery, best mate Keeley, boyfriend Brandon
# (16); walks everywhere.
W["Jess H"] = """
mum im staying at keeleys tonight ok, her dad will bring me back in the morning
brandon is walking me home so dont wait up, back by half 9
cant talk, the boss is watching
connor has eaten all the cereal AGAIN
got drama and childcare!
+hiya can i have a fiver for the cinema, ill pay u back saturday
he hasnt text me back all day ^
has anyone got the english, left my book at school and its due tomorrow, just text me the questions, i'll do the rest
+sorry about this morning mum, love you
mocks in 2 weeks and i havent done owt, keeley says she hasnt either but she always says that and then gets all As
they want me sunday as well, can i
+yeah go on then
what did he say?
+night babe, love you loads, cant wait to see you tomorrow
+mum can u top my phone up, ive got no credit and i need to ring brandon
can i go to the fair saturday, his brother is driving us and we will be back by 10, pleeease
+miss you, text me every minute, i mean it
+yeah im fine, mum is just being mum
can u meet me at the gates tomo, want to walk in with u
+love u too, night
connor's nicked my hairbrush again
+yeah ill ask her
+keeley ring me, its well important
+hes just dumped me by text ^ ring me
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
No Brownies tonight, Brown Owl is ill
Finn is eating the remote
"""

# Jordan, 14, Stockport: Tracey's son, sister Leah (7), nan is Nan Pat,
# mates Liam and Mikey, plays for the under 15s; walks or gets picked up.
W["Jordan"] = """
mum can liam come round after footy
where r u nan im at the door
we won 4 2, i scored ~
can i have a tenner for the match on sat
leah is in my room again
im at mikeys, his mum said i can stay for tea
forgot my boots can u bring them to the field
is tea ready im starving
starting on sunday!
ok
nan can i come to yours after school, mum is at work till 6 and leah has got the key
+mum put some credit on my phone, got 3p left
+mikey's brother got us in the 15 film, it was fuckin mint
"""

# Ryan, 17, Walsall: Steve's son, college (motor vehicle), learning to
# drive (only with his dad in the car), part-time at the chippy, girlfriend
# Jasmine; gets the bus.
W["Ryan M"] = """
passed my theory, 48 out of 50 $
at the chippy till 10 so ill get a lift off jonno $
+tutor didnt even turn up, waste of a fuckin bus fare
cant, skint till friday
+jas im at work till 10, can u meet me after? miss u
+miss u, cant wait to see u tomo, dad says i can drive us if he sits in ~
"""

# ---------------------------------------------------------------- 18 to 25

# Jade, 19, Blackburn: junior stylist at a salon (the boss is Nicky), lives
# with her mum and brother Reg (15), boyfriend Reece (on and off), best mate
# Danielle (Dani), cousin Kerry, mates Shazza and Becca; out on Fridays at
# Liquid, saving for Magaluf in July; gets the 47 bus or a taxi home.  Says
# "proper", "mint", "minging", "dead" and "our" like everyone round her.
W["Jade K"] = """
hiya babe u still coming into town saturday? i need shoes for magaluf and u know what im like on my own
just finished, 3 perms in a row, my back is killing me. what u up to tonight?
where are you? im outside the kebab shop and its freezing, hurry up or im going without you
cant believe its only wednesday, need a drink and a dance
ta for last night babe i owe u a vodka, cant even remember getting home ~
what time are we meeting? going to be late cos my hair wont go right, save me a seat
well? did u get it?
ok babe see you at 8
yeah go on then, but only one cos im on at 9 and nicky will kill me if im late again
reece wants to take me out for a meal on saturday, hes up to something, what do u reckon?
bored out of my head, nobody has been in for 2 hours
u left ur straighteners at mine do u want me to bring them tonight
cant come out tonight, skint till payday and mum wants me in with reg
miss you, text me when you get in so i know ur home safe
omg shut up ~ did he really say that?
liquid or the ship first? i dont mind as long as we dont miss the last bus
on the 47 now, be there in 10 mins, get me a drink in
where r u? been sat here on my own for 20 mins
no way! who told u that?
ok hun speak later
yeah ill be there, tell shazza to get her arse out of bed for once
is it true about carly and her fella? she was all over some lad in liquid saturday
+just got home, them new shoes are a fucking nightmare
fancy the retail park sunday? mcdonalds and a mooch round
he just turned up at work with flowers in front of everyone, i wanted to die but it was well cute ~
soz babe my phone died, did u get home ok?
mum is doing my head in, she wants my room tidied before i go out, im 19 not 9
ring me on ur break, need to tell u something and i cant put it in a text
yeah he is fit but he knows it ~
ok what time? ill get ready at urs if thats ok, mum has got the bathroom all night
7 weeks today! need a spray tan booked and new bikinis
does my hair look shit in that photo? be honest
if he comes out tonight with his mates i am not talking to him
hey u ok? u seemed a bit quiet last night
love u babe ur the best mate anyone could have, even when ur pissed ~
just got paid! we are so going out tonight, first round on me
what did he say? tell me everything
my nan just text me for the first time ever, it took her 3 days ~
my 3 o clock is 20 mins late already, not happy
ok see u there, dont be late this time or we are going without u
sorry i was moody earlier babe, bad day
is ur mum still doing the lifts tonight or shall we get a taxi back?
cant believe u went home with him, ring me NOW ~
pictures thursday still? i want to see the one with the dog in
so hungover, why did we do shots, never again
he keeps texting saying he misses me, i miss him too but i dont want to look desperate
night hun, thanks for tonight, love u loads
wheres the party? text me the address and ill get a taxi after work
need a new top for saturday, meet me on ur dinner and we can go to primark
just seen him with that girl from the ship again, im not bothered honest
ha ha u are so bad, what did ur mum say?
tell ur mum ta for the lift, she is a star
ok ill ring u in 5, just getting out of the shower
what time does the last bus go? not getting stuck in town again
cant stop thinking about last night, u better not be late tomorrow
can u cover my saturday morning? ill do ur sunday next week
yeah course i will, what time do u want me?
mum is doing a roast sunday, do u want to come? she says u are more than welcome
had a row with mum, can i stay at urs tonight?
did u find ur phone in the end? u were so drunk lol
thinking of going red, too much?
dvd and a takeaway at mine tomorrow? i cant afford to go out
ok its a date, 8 at the ship, ill be the one at the bar ~
i know i said i wasnt going to but i text him back, dont hate me
skint again, need to stop buying shoes
are u coming to dani's birthday? we are going into town after
ha ha no way, did u tell him where to go?
yeah fine, see you in a bit
im sat in the staff room with a pot noodle, booked solid till 6 and i havent even had a fag yet
shazza says she is skint but she always says that and then turns up with a tenner and a bottle of wkd
cant believe u told him i said that! now he thinks i fancy his mate, cheers for that ~
mum has made a lasagne and i have had 2 plates, i am going to be the size of a house in magaluf
how was ur first day? text me on ur dinner and tell me everything
im sorry babe i didnt mean to have a go at u, i was drunk and he had wound me up all day, forgive me?
wtf is going on with reece? he has put on bebo that he is single, i am going to kill him
come to mine before we go out? we can get ready together and have a couple, mums at bingo
paid and its gone already, board to mum, phone and the deposit, 12 quid to last me 2 weeks
ok bus station at half 7, we can get the 47 together
his mum has asked me for sunday dinner, his mum hates me, what do i do?
have u seen the state of my fringe? the new girl did it ~
are u awake? cant sleep, keep thinking about what he said, ring me if u are up
yeah im fine, just tired, 3 weddings and a prom, my feet are killing me
happy birthday babe! have a mint day, see u tonight, first drink is on me
ok so i have done something stupid, dont shout at me, ring me when u can
hey u, thanks for sorting my hair out last night, everyone was asking where i had it done
still on for tomorrow or has ur mum got u babysitting again?
our reg has come in with a black eye and wont tell mum what happened
+fucking hell babe u look amazing in that pic
+no credit, ring me
text me when u get this, need to ask u something
soz missed ur call, was in the bath. wot did u want?
got a missed call off a number i dont know, was it u?
dont tell shazza but she is doing my head in
he is such a knob, i am not ringing him back
u are such a cheeky cow, what u wrote on my bebo, everyone is going to think i got off with him ~
cheers babe, ur a legend
wtf?
shit shit shit, locked my keys in the salon and mum is on nights, can i crash at urs?
r u up yet? im on the bus and its roasting and this man has got his arm on my arm and i cant move, get me out
did u see the state of him on the way out of the club? he was on the floor ~
we r in the back by the pool table, come in when u get off the bus, got u a wkd, dont be long or i will drink it
can i borrow ur black bag sat? mine has got a rip in it
in the bath with a face pack on, mum says i look like a ghost, ring u when i get out
which one did u get in the end? bet u look dead nice in it
+whats the fucking point, he never listens
proper gutted, they had my size in everything but the one i wanted
miss u babe, cant wait for tonight
miss u, cant stop thinking about u, come round after work tomo and ill cook, well ill get a pizza in
yeah ok but ur paying cos i paid last time
love u too, sorry for being a cow earlier
what did u do that for? u know she fancies u
tomo is fine, ill meet u at the bus station at 1
ok so i am going to tell u this once and then i dont want to talk about it, he has been messaging some girl from his work on msn, i saw it when he left his laptop on, i am gutted, i dont know whether to say something or wait and see if he tells me himself, what would u do? dont tell shazza
he has just text me saying he is sorry and he will change and he loves me, i have heard it all before but i do miss him, what would u do if it was u? be honest
babe are u ok? ur mum said u were upset when u got in last night, was it that lad? ring me when u get this, i dont care what time it is
soz didnt text back, fell asleep on the sofa with my make up on and woke up with a cushion print on my face, what did u end up doing? did u go back to his?
got a client at 4 who wants to look like posh, she is 52 ~
he wants me to move in with him and his brother, its a dump and his brother is a slob but i would get away from mum, what do u think?
only tuesday and already skint, mum wants her board friday and i owe shazza a tenner
had a massive row with him on the phone, he says i care more about my mates than him, i am going out tonight whether he likes it or not
just seen ur photos from saturday, why did nobody tell me i had lipstick on my teeth all night? ~
thank u so much for last night babe, i know i was a mess, drinks on me friday
im by the cash machine outside boots, where r u? 5 mins or i am going in without u
omg nicky is selling the salon! she told us at dinner, i dont know what is going to happen to us
our reg has got a girlfriend! mum is over the moon ~
+fuck off he did not ~
im not being funny but she is a right slapper
+omg fuck, have u seen the price of the flights now
"""

# Lauren, 21, at Leeds (from Durham, where her mum Sue is): second year
# English, shares a house with Priya and Fran, brother Ollie (17) at home,
# boyfriend Callum; no car, gets the train home.
W["Lauren"] = """
Train gets in at 6.40, can someone pick me up? I've got my big bag and a box of books, don't send Ollie in his mate's car
Essay in! 3000 words on Hardy and I only cried twice. Going to the pub to celebrate, ring you tomorrow
Mum can you post my black boots, the ones under my bed
Callum's coming home with me at the weekend if that's ok, he'll sleep on the sofa ~
+Yeah I'm fine, just knackered. Library till 9 every night this week and Priya's snoring through the wall, I'll ring Sunday
Tell Ollie happy birthday, I'll ring him later
Hey have you got my charger? Can't find it anywhere
Fran's eaten my cheese again. The good stuff from the market, not even the cheap cheddar. I'm going to kill her
Can you put £20 in my account, I'll pay you back when the loan comes in
What time's your lecture tomorrow? Coffee after?
+Sorry missed your call, in a seminar. Everything ok?
+Love you too, see you Friday
Oh no, I've left my purse at yours. Can you bring it tomorrow?
How's the knee? Mum said you've been told to rest it
Home safe, had to stand all the way to York. Love to Dad
Hiya, are you in tonight? Worst tutorial of my life, I need wine and a DVD
Last exam done! I answered the Hardy question and didn't cry, which is a start
Please don't get another estate, get something nice
+Yeah it was good thanks, how was yours?
Only 4 more days and then you're all mine for a week ~
+Bloody hell, the library's shut for a fire drill, can I come to yours to work?
Can you bring the big suitcase, the duvet and the box of saucepans from the garage on Saturday?
Fran's burnt the lasagne, smoke alarm's screaming
+Oh crap, it's due Monday not Friday, cancel tonight
+Ring me when you're free, nothing bad
+What's that fucking noise upstairs, is Fran moving furniture at 2am?
Got your parcel! Flapjack gone already
"""

# Becky, 23, Manchester: on her teaching placement, shares a flat with
# Sophie, sister Laura, boyfriend Nathan; has a little Fiesta.
W["Becky T"] = """
Observed tomorrow at 9.15, wish me luck
Can you put the chicken in at 6? Still doing displays, the head wants the hall done for the governors, gas mark 6
Is it ok if he comes round tonight? We'll stay out of your way ~
3 hours laminating, this is not what I trained for, and the machine ate my phonics cards, I'm starting again
Hiya, yes please, get me a large glass of white in
+Are you in tonight? Curry and a bottle of wine, I've had a shit day
What are you getting Mum? Halves?
+Love you, thanks for last night
Come round after footy? I'll cook
Ok see you there
Sorry, running late, kids wouldn't go home
Parents evening fine, one dad asked if I was the student and another told me his lad's bored because he's gifted ~
What time is the thing on Saturday? Do we need to bring anything? I was going to do a pasta salad but I don't want to be the only one
I'll be home about 5, shall I get milk? And do we need bin bags, I think we used the last one on the broken chair
Night, sleep well
Can you record Corrie? Stuck here till 8 with about 15 still to see
Guess who's got a job! St Anne's rang, year 2, I'm going to cry
+Can't wait to see you tonight, even if you did eat all my biscuits last time ~
+Yeah I know, shit isn't it
+Inspectors Tuesday. Fuck. There goes the weekend
+Sod it, I'm not marking another book tonight, Desperate Housewives and wine, are you in?
Forgot my lanyard, great
+Love you, night night
Ikea Sunday, he's borrowing his dad's van, do you want anything? Candles, a lamp, those little tea lights, a flatpack boyfriend?
Mum's upset about Christmas isn't she, I can't be in two places at once, can you talk to her?
+Missed call from you, what's up? In a lesson till 3
"""

# Sophie, 22, Manchester: final-year geography, shares a flat with Becky,
# boyfriend Tom (drums, works at the Grove), Saturdays at Waterstone's;
# walks or gets the bus.
W["Sophie 22"] = """
Meeting moved to Thursday, so I can come tonight after all, save me a seat near the front and don't let Becky start without me
Hey are you working Saturday? I'll come in on my break and bring you a coffee, the usual, don't let your boss see
Can you get bread and milk on your way back? And loo roll
+Worst shift, a woman shouted at me cos we didn't have a book she couldn't remember the name of
+Can't wait to see you tonight. Don't be late this time
+Yeah I'm in, come round whenever
Hey, still at the library? Drink after?
Haha shut up, you're just jealous
Ok, text me when you're leaving
Handed in! 3 years and it's done. Union, first round's on me
+Can you come round tonight? Rewrite the whole methods chapter, 3 weeks, I need a hug and a takeaway
+Morning gorgeous, sorry I was such a grump ~
+Yeah why not, I've done enough for one day
You absolute idiot, your keys were in the door all night
Laptop's crashed and I hadn't saved since Tuesday, I could cry
Lemsip and custard creams please, I'm dying
+Yeah, 8 is fine
"""

# Danielle, 20, Blackburn: Jade's best mate, behind the bar at the Ship,
# lives with her nan, boyfriend Ricky, going to Magaluf with Jade; walks,
# the Ship is round the corner.
W["Danielle"] = """
Nan says thanks for the flowers
Can't tonight, Ricky's taking me out, he won't say where, I've told him if it's the carvery again I'm walking home ~
Where are you? I've been stood outside the Ship for 20 minutes in these heels, everyone's looking at me, hurry up babe
Deposit paid! We are going!
Ok see you at 8
+Ricky's being a twat again, can I come to yours?
Nan's had a fall, she's ok, at the hospital with her, tell Ricky I'll ring him
+Miss you babe, come and get me at 11 and we'll get chips on the way
+Yeah fine, see you tomo
+I didn't mean what I said, I was drunk, please ring me
+Fuck me babe what a night, my head
"""

# Gemma, 25, Blackburn: senior stylist at the salon with Jade, fiance
# Ross, wedding next June, cat Biscuit; drives a Clio.
W["Gemma R"] = """
Stanton Hall, 14th June! Booked
+Biscuit has been sick on the duvet, can you get cat food on your way home babe
Running 10 mins late, stuck behind a bin lorry on Whalley Road, can you put my 9 o'clock under the dryer with a magazine
+Yeah fine, see you at 9
"""

# Dean, 24, Chorley: call centre, five-a-side on Thursdays with Gaz and Lee,
# girlfriend Kirsty, lives with his brother Scott, United; an old Astra.
W["Dean"] = """
you coming out saturday? me and scott are going the feathers then into town, kirsty's at her mums so i'm a free man $
wine or flowers for her mums sunday?
+cant make 5 a side tonight mate, stuck here till 8, some twat has crashed the system $
+miss yo babe, cant wait to see you later, i'll pick you up at 8, wear the jeans i like
off sick today, told them its a bug ~
what time's kick off $
+failed its mot, 300 quid, fuck sake $
where are you? im at the bar $
+love you, see you tomorrow
70 calls before dinner and one woman cried down the phone at me cos her direct debit bounced, i nearly cried with her
ok cool
still at your mums? ill pick you up at 7
scott has drunk all my beer again $
did you see that goal ~ $
how do i get out of her mates engagement do, its derby day $
+going to be late babe, meeting about targets, ill bring a chinese home
keep it quiet about scott's job, he hasnt told mum yet $
+sorry babe, i was being a prat, meal friday?
+morning gorgeous, what time do you finish? ill pick you up
+bloody traffic on the a6, going to be late, sorry babe
+fwd: a man walks into a bar with a slab of tarmac under his arm and says a pint please and one for the road $
+you've put my white shirts in with your red socks you absolute fucking muppet $
+fucking hell 4 nil $
+ring me when you get this, need a favour for saturday
"""

# Ash, 21, Manchester: second year computing, guitar in a band, shares a
# house with Taz (Tariq), girlfriend Megan, shifts at the union bar; no car.
W["Ash 21"] = """
practice moved to 7, same place $
megan are you coming saturday? we're on at 10
can you cover my shift wednesday? i'll do your friday, i've got a gig in leeds and the van's leaving at 4 $
just bombed that exam ~
gig at the cellar bar on the 12th! $
+miss you, when are you back?
+yeah go on, i'll be there in 20 $
where's the key for the shed? need the extension lead $
+the amp's fucked, anyone know someone who can fix one $
cheers for tonight, you were brilliant
i know i was an idiot last night, can i come round after practice?
pub quiz tonight? taz is in, need 2 more, 8 at the union $
mum i'm fine, honest. home on the 14th with a bag of washing ~
got us tickets for the arctic monkeys in april! don't ask how much, i queued on the phone for two hours at work, say you love me
taz, landlord at 10 tomorrow about the damp, can you tidy the kitchen $
morning beautiful, when can i see you again? tonight? tomorrow? right now?
+rent up again, 40 quid more a month for a house with mould on the ceiling, taking the piss $
+fuck, the drummer's got food poisoning and we're on in an hour, anyone know a drummer? $
+shit, overslept, start without me $
+miss you too
"""

# Craig, 19, Chorley: apprentice electrician with Lee, lives with his mum,
# saving for a car (gets the bus or a lift off Lee), City fan.
W["Craig W"] = """
what time you picking me up $
mum im going to bens after work, dont do me any tea
can i borrow 20 quid till friday $
+city lost again, shit $
ok mate $
mum can you wash my work trousers tonight, got paint all over them
+yeah im up, be outside in 5, same again tomo? $
+bollocks, left my wallet on the bus, can you sub me for dinner? $
+fucking bus has gone past me full, another half an hour $
"""

# Tom, 22, Manchester: Sophie's boyfriend, behind the bar at the Grove,
# drums in a covers band; cycles.
W["Tom P"] = """
finished at 12, can i come to yours?
how's the chapter going?
+yeah see you tomo
sorry i was stuck behind the drums all night, come round after and i'll do breakfast
"""

# ---------------------------------------------------------------- the longer ones: several things at once, as
# a text costs the same up to the limit

W["Chloe 14"] += """
mum can i go into town with paige saturday, her mum is dropping us at the bus station and we will get the 22 back before 6, i will have my phone on i promise
dad can u bring my dance stuff to the leisure centre before half 5, its in the back of the car, the black bag not the pink one, pleeease ur the best
omg paige u will never guess who was at the bus stop, he asked where i was going and i went bright red and said nowhere, im such a loser ~
+sorry i didnt answer, was in the shower, yeah i will be home by 8, is it ok if paige stays for tea, her mum is at work
dad where r u, the bus has gone and its raining and paige has gone home with her mum, i am the only one left outside the gates
"""

W["Jess H"] += """
mum can u pick me up from the bakery at 4, its pouring and i havent got a coat, and can brandon have a lift as well, he lives on the way
+miss you already, cant believe you have got to go to your dads all weekend, i will be so bored, ring me tonight if your dad lets you
keeley have u done the childcare homework, i dont get question 3 at all, can u text me what u put, i wont copy it all i swear
mum its not fair, everyone else is allowed to go and i am the only one who has to be in by 9, i am 15 not 5
+sorry i didnt text back, no credit, mum has put some on now, yeah i can come saturday but i have to be at work for 8 so not late
brandon said u told him i liked his mate, why would u say that, he is being weird with me now and its ur fault
"""

W["Amber"] += """
Mum can Erin sleep over on Friday please? Her mum says yes if you say yes. We will go to bed when you tell us I promise
Dad, Finn has been sick on the carpet and Grandma says can you bring some kitchen roll and the spray when you come home
Mum I left my recorder at school and we have got a concert on Thursday, can you ask Mrs Ali if I can get it in the morning
"""

W["Jordan"] += """
mum can i go to mikeys after footy, his dad is taking us to the match and he will bring me back, i will be home by 8 i swear
nan can u ring mum and say i can stay at urs tonight, she isnt answering and leah is screaming the house down
mum we have got a tournament in june, its 40 quid for the coach and the hotel, all the team is going, can i go
liam says his brother can get us tickets for city, 15 quid each, can i have the money and i will pay u back from my birthday
mum where is my shin pads, they r not in my bag and i am going to be late, can u look in the kitchen
"""

W["Ryan M"] += """
jonno says can i do his shift saturday at the chippy so i wont be in for tea, back about half 10, dont wait up
"""

W["Jade K"] += """
hiya babe r u working saturday? i am in at 8 for a wedding party, 6 bridesmaids and the mum, wont be out till 3, can we get ready at urs after? i will bring the vodka
last night he turned up at my mums at 1 in the morning pissed out of his head shouting my name in the street, mum went mental and the neighbours are all talking, i could die
just seen ur text, soz was in the shower, yeah im still up for tonight but i am not staying out late cos i am on at 9 and i cant turn up looking like death again
3 weeks till magaluf! flip flops, bikinis and fake tan sorted, just need a new case cos mine broke coming back from blackpool
mum says u can stay ours saturday, she is out with her mates from work so we will have the house to ourselves, just dont tell reg or he will want his mates round
are u still coming into town saturday? i need a dress for the wedding and u know i cant pick anything on my own, i always end up buying something i hate
omg babe guess who was in liquid last night, only carly with that lad off the market, and guess who was stood at the bar watching, it all kicked off ~
cant be arsed with work today, its pissing down, my hair has gone frizzy and the first one in wants a full head of foils, ring me on my dinner
dont go mad but i have had my hair cut short, like proper short, mum has not said a word since i got in which is not a good sign
soz babe i didnt mean to go off on one last night, i was proper drunk and i know u were only looking out for me, love u, drinks are on me friday
hiya hun hows ur head this morning? mine is killing, i have been sick twice and i am meant to be doing 3 blow dries before dinner
what are u wearing tonight? i was going to wear my black dress but its too tight since the chinese, might just do jeans and a nice top
can u ring me when u get this, he has just text me something and i dont know what to say back, i need u to read it
ur not going to believe this but my mum has got a boyfriend, he is called clive and he wears a bum bag, i cant cope ~
its so dead in here today, nicky has got me sweeping up for the 10th time, i have read every magazine in the place twice, text me something
+fuck me babe i am so hungover, i have been sat on the bathroom floor for an hour, never mixing sambuca with wkd again i swear
"""

W["Lauren"] += """
Hiya, just to say I'm back, the train was packed and I had to stand all the way, Fran's made tea so I'm fine, I'll ring you on Sunday like normal
Are you coming to the Union tonight? Priya's DJing for the first hour, it'll be awful but we promised, meet at ours at 8 and we'll have a couple first
Sorry I've been rubbish at ringing, deadlines are mad and I keep falling asleep at 9, I'm fine honestly, give Ollie a kick from me
Can you have a look in my room for my blue folder? I think it's on the desk under the magazines, I need my notes for Monday, could you post it first class
+Missed call from you, sorry, was in the library with my phone off, is it about Nanna? Ring me back when you can, I'm in all night
"""

W["Becky T"] += """
Are you in tonight? The projector died in the middle of my lesson and then the head came in to watch, I need wine and I need you to tell me it's fine
Can you move your car tonight? I'll be back late and there's never anywhere to park, and there's a parcel for you at the post office, the card's on the fridge
Ok I'm going to say it, I'm not going to his mum's for Christmas dinner, I don't care what he says, you can have me if I'm homeless ~
Thanks for the card and the chocolates, they made my day, the kids made me a banner as well, I cried in the car park, I'm a mess
"""

W["Sophie 22"] += """
Tom are you coming round tonight? Becky's out so we've got the flat, I'll get a pizza in, bring the DVD you were on about, not the one with the zombies
Hey, I'm in town, are you about? I've got an hour before my shift, fancy a coffee in the usual place, I'll get them in, text me back
Can you ask Becky if she's seen my green cardigan? I think I left it on the back of the sofa and it's the only warm thing I've got
"""

W["Danielle"] += """
+Babe it was so busy tonight, I didn't stop for 4 hours, the manager's given me the keys to lock up and I'm shitting it, come and walk me home after?
Nan says can you come for Sunday dinner, she's doing a beef and she wants to meet you properly, I've told her you're nice so behave
"""

W["Gemma R"] += """
Ross says can you be at ours for half 7 on Friday, his mum's coming round to talk about the seating plan and I need a witness, I'll do a lasagne
"""

W["Dean"] += """
mate are you still up for saturday? me and scott are at the feathers from 1 for the early kick off, then town, tell robbo if you see him, he's not answering $
+babe i'm so sorry, the lads dragged me to the feathers after footy and i lost track of time, home in 20, i'll get us a chinese on the way
+what a load of shit that was today, 2 nil down at half time and he just sat there, i'm not renewing my season ticket, i mean it this time $
i've been thinking about what you said and you're right, i should have told you before, can we talk tonight when you finish?
+you will not believe the day i've had, a bloke screaming cos his card got eaten in tenerife, then the system went down, then a parking ticket, i need a pint $
her birthday friday, toby carvery then the pictures or is that too boring? she wants some handbag from debenhams but it's 60 quid $
"""

W["Ash 21"] += """
setlist for saturday: the two new ones first, then the libertines cover, then the slow one, taz reckons we finish on the kaiser chiefs one but it's cheesy $
megan i've got a spare hour before practice, fancy meeting in the union for a coffee? i'll be the one with the guitar and the massive bag of washing
+you looked gorgeous tonight, i couldn't stop looking at you across the bar, come back to mine after, taz is out ~
"""

W["Craig W"] += """
lee are we on the same job as yesterday or the new builds? need to know if i'm bringing dinner, cant afford greggs again this week $
+mum can you ring me when you get in, i've locked myself out and i'm sat on the step, the key's not under the pot where you said
"""

W["Tom P"] += """
+are you still up? just finished, the band were shit tonight and the drummer from the other lot tried to nick my sticks, can i come round?
"""

W["Jade K"] += """
babe are u coming out friday or not? i need to know cos if u are not then i am staying in with a dvd and a pizza and i am not being the only one there with shazza and her new fella all over each other all night
just had the worst dinner ever, the microwave at work has packed in so i had a cold pot noodle and a yoghurt, and now i have got a client in 5 mins who always wants to talk about her cats, kill me
mum has just found the bottle of vodka under my bed and she is going on and on about it, i told her it was urs, so if she asks u it was urs ok? ill owe u one, love u ~
so he rang me at 2 in the morning crying saying he is sorry and he cant live without me and all that, i didnt know what to say so i just said we would talk tomorrow, what do i do babe? i am so confused
can u come round tonight? i have got a bottle of wine and a bag of doritos and mum is out at bingo till 10, we can watch big brother and u can tell me what happened with u know who
u know that top i got from new look last week, it has shrunk in the wash and now it only comes down to my belly button, mum says i should wear it to liquid and see what happens, she is so bad ~
"""

W["Dean"] += """
kirsty i'm finishing at 6 tonight, do you want to go to the pictures or shall we just get a takeaway and stay in? your choice, i'm easy
scott if you've drunk my last can again i'm going to lamp you, i put them in the fridge this morning and i've been thinking about them all day $
"""

# ---------------------------------------------------------------- more of the long ones

W["Chloe 14"] += """
+paige ring me when u get this, u will never guess what harry said to me at dinner, i cant put it in a text, i am actually dying ~
+night paige, love u, dont forget to bring my top back tomo or mum will kill me, and do my hair in the morning before registration
"""

W["Jess H"] += """
+brandon i miss you so much, i hate it when you go to your dads, ring me tonight when your dad is in bed, i will be up, love you loads
+yeah i know, i'm sorry, i was in a mood cos of mum, can we just forget it and go to the park after school, i will bring the sweets
"""

W["Jordan"] += """
nan can u ask grandad if he can take me to footy on sunday, mum is working and wayne has got the van, it kicks off at 10 at the rec
mum i have left my key at mikeys and no one is in, i am sat on the step, how long will u be, i am freezing and i need the toilet
"""

W["Lauren"] += """
+Callum, sorry I was in a mood last night, it's the deadline, it's not you, I love you, come round later and I'll make it up to you ~
+Missing you loads, the house is so quiet with everyone gone home, can't wait for Friday, I've got a bottle of wine and a DVD lined up for us
Yeah go on then, I'll meet you at the station at 7 but I'm not staying out late, I've got a 9 o'clock tomorrow and I haven't done the reading
"""

W["Becky T"] += """
+Nathan I'm so sorry, I completely forgot about your mum's dinner, they kept us after school for a meeting and my phone was on silent, are you still there?
+Fuck, I've left my observation folder on the bus, all my lesson plans are in it, can you ring the depot? I'm in class till 3
"""

W["Sophie 22"] += """
+Tom you looked gorgeous tonight, sorry I was so tired, come round after your shift and I'll make you breakfast in the morning, Becky's away
+Fucking hell, I've just seen my mark, a 2:1, I can't believe it, ring me when you get this, I'm going to the pub with Becky
"""

W["Danielle"] += """
+Jade babe I'm so bored, it's dead in here, only two old men and a dog, come in and keep me company, I'll give you staff discount ~
"""

W["Dean"] += """
+kirsty, i love you, i know i don't say it enough, i'm sorry i've been a knob about your mum, i'll make it up to you on saturday, promise
+mate you need to see this, scott's fallen asleep on the sofa with a kebab on his chest and the dog's eating it, fucking priceless $
+yeah go on then but i'm not staying out late, i'm on at 8 and last time i got a warning, if i'm not home by 12 kick me $
"""

W["Ash 21"] += """
+taz you absolute fucking legend, you left the last of the pizza in the fridge for me, i owe you one, see you at the union at 8 $
"""

W["Craig W"] += """
+lee, the fucking bus has broke down again on the ring road, i'm going to be half an hour late, tell the gaffer it's not my fault this time $
"""

W["Tom P"] += """
+yeah i'll be there, can't wait to see you, miss you loads, it's been a long week, i'll bring the dvd and a bottle of that wine you like
"""

W["Jess H"] += """
mum can i go to keeleys after work on saturday, her mum says i can stay for tea and she will bring me back at 9, i'll do the hoovering sunday
mum i need 15 quid for the drama trip by friday, we are going to see a play in leeds, can i have it out of my bakery money
"""

W["Jordan"] += """
mum can i stay at liams on friday, his mum says its ok and we r going to play on his xbox, i will be back for footy on saturday i promise
"""

W["Becky T"] += """
Soph, are you in tonight? I've got a bottle of wine and Desperate Housewives recorded and I'm not watching it on my own, the boys can fend for themselves
"""

W["Lauren"] += """
Priya, are you coming to the library tomorrow? I'll save you a desk by the window if you bring the coffee, I'm going in at 9, I've got 3000 words to do
"""

W["Ash 21"] += """
megan, i'm at the union till 11 on the bar, come in and have a drink with me, taz is DJing and he's terrible so you can laugh at him with me
"""

W["Dean"] += """
kirsty, i'll be home about 7, do you want me to get anything? i was thinking we'd get a chinese and watch that film, my treat cos of last week
"""
W["Craig W"] += """
mum, can you give me a lift to the interview at the college on tuesday? it's at 10 and the bus doesn't go past, i'll put petrol in when i get paid
"""
W["Chloe 14"] += """
"""
W["Lauren"] += """
Mum, can you ask Dad if he can come and get me on Friday? I've got all my stuff for the summer and there's no way I can carry it on the train
"""

W["Chloe 14"] += """
mum can u tell kieran to stop reading my diary, he keeps saying stuff at tea and he knows about harry now and hes going to tell dad
"""
W["Lauren"] += """
Fran's new boyfriend has been here three days, he eats all our cereal, he's used all the hot water and he calls me Laura, I'm going to kill them both
"""