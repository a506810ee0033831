"""What the younger writers of the sample text about: under 18 and 18 to 25.

One message a line, written the way the writer would say it; the generator
then spells it in the writer's own habits (corpus_style in make_corpus.py).
Each writer has a life of their own: the names, places, jobs and worries in
a writer's lines belong to that writer (and to the few people they know, who
share some of them).  Nothing here is shared with an unrelated writer.

Marks inside a line:
  {a|b}    one of the alternatives, chosen per use
  [...]    an optional part (the generator may leave it out)
  ~        a place where the writer may laugh or grin (lol, haha, :-) ...)
  ^        a place for a sad face, if the writer uses them
  $        at the very end: no kisses on this one (a text to a boss, a row)
"""

W = {}

# ---------------------------------------------------------------- under 18

# Chloe, 14: Julie and Dave's daughter, little brother Kieran, dog Bonnie,
# best mates Jess and Paige, fancies Tyler, does street dance on Tuesdays.
W["Chloe 14"] = """
mum can i go 2 paiges after school, her mum said she can drop me back by 8
omg tyler spoke 2 me in science!!! he asked if i had a spare pen ~
jess r u goin 2 dance on tues or not, miss shouted at me last week 4 bein late
mum where r u?? ive been stood outside the gates 4 ages and its freezing
dad can u put £5 credit on my phone pleeease, ill do the dishes all week
kieran keeps goin in my room and touching my stuff, tell him mum!!!
has bonnie been out yet? shes been weeing in the kitchen again
paige says tyler fancies me but i think shes lying ~
got a B in my maths test!!! mr hollis said i've come on loads
we have 2 take in a baked potato for food tech tomorrow, have we got any?
can jess stay over on friday? we'll be good i swear
im at paiges, her mum is doin fajitas so dont save me any tea
jess did u watch corrie?? i cant believe what happened to sarah
mum i need money for the school trip by friday its £12
my phone is nearly out of credit so if i dont reply thats why
soz mum i forgot to text, im at the park with paige, home by 7
tyler asked me out!!!!!!!!! dont tell any1 yet
its over with tyler, he's been texting kayla from year 10 ^
i hate school, mrs dobbs gave me a detention 4 chewing
can u tell nan i said thanks 4 the money, im gonna get the new top from new look
dad, kieran's broke my hair straighteners and he's blaming bonnie
me and jess are walking back from town, we've missed the bus ^
paige stop ignoring me i said sorry!!!
is it ok if i go to the under 16s disco at the leisure centre, it finishes at 10
we won the dance comp!!! were through to the regionals ~
can u pick me up from grandads, he's fallen asleep in his chair again ~
mum i feel sick can u ring school and say ur picking me up
mr hollis is off so we've got a supply, total doss lesson ~
jess ur such a liar u said u werent going!!
"""

# Jess, 15: Debbie's daughter, brother Connor, works Saturdays at the bakery,
# best mate Chloe, boyfriend Brandon from the year above.
W["Jess H"] = """
mum im staying at chloes tonight ok, her dad will bring me back in the morning
brandon is walking me home so dont wait up, back by half 9
chloe are u comin to the bakery on sat, i can get u a free doughnut ~
cant talk, at work, the boss is watching
connor has eaten all the cereal AGAIN, tell him mum
i got my options through, doing drama and childcare!!
brandon's mum has invited me for sunday dinner, wot do i wear??
mum can i have a fiver for the cinema, ill pay u back when i get paid
im so bored in r.e. sir is going on about buddhism for the 3rd week
has any1 got the homework for english, i left my book at school
love u mum, sorry about this morning x
brandon hasnt text me back all day, think hes mad at me ^
chloe u have to come to mine after, need to tell u summat about brandon
cant believe i've got my mock exams in 2 weeks, i havent done any revision
mum the bakery want me to do sunday as well, can i?
"""

# Amber, 11: Nicola and Paul's daughter, baby brother Finn, hamster Nibbles,
# best friend Erin, goes to Brownies and swimming.
W["Amber"] = """
Mum can Erin come to ours after school? Her mum says its ok
Nibbles got out again he was under the sofa ~
Daddy can you bring my swimming bag I left it by the door
I got star of the week!!! :)
Mum Finn was sick on my school jumper ^
Can I have a sleepover for my birthday please please please
I'm at Erins now. Her mum will bring me home at 6
Brownies is cancelled tonight because Brown Owl is ill
"""

# Jordan, 14: Tracey's son, nan is Nan Pat, sister Leah, mates Liam and Kai,
# plays for the under 15s, saving up for a PlayStation game.
W["Jordan"] = """
mum can liam come round after footy
wer r u nan im at the door
we won 4 2!! i scored 2 ~
can i have a tenner for the match on sat
mum leah is in my room again
im at kais, his mum said i can stay for tea
forgot my boots can u bring them to the field
is tea ready im starvin
nan can u get me a pasty from greggs
liam says his brother can get us in to see it its a 15
coach says im starting on sunday!!
"""

# Ryan, 17: Steve's son, at college doing motor vehicle, learning to drive,
# part-time at the chippy, girlfriend Jasmine.
W["Ryan M"] = """
dad can i take the car to jasmines if i put petrol in it
passed my theory!! 48 out of 50 $
working at the chippy till 10 so ill get a lift with darren
college was a waste of time today, the tutor didnt even turn up
cant, skint till friday
driving lesson moved to thursday, instructor rang
"""

# ---------------------------------------------------------------- 18 to 25

# Jade, 19: works at Hair by Nicky, lives with her mum and her brother Reggie (Reg),
# boyfriend Reece (on and off), best mate Danielle, cousin Kerry, mates Shaz
# and Becca, goes out on Fridays to Liquid and Chicago's, saving for Magaluf.
W["Jade K"] = """
omg wot a nite!! cant believe wot reece said 2 me in chicagos, im not talkin 2 him til he says sorry. r u out tomorrow?
hiya hun, u still comin into town with me sat? i need new shoes 4 magaluf n u no wot im like on my own
just finished work, nicky had me doin 3 perms in a row, my back is killin me. wot u up 2 tonite?
reece has text me sayin sorry, wot shall i do? i still love him but im not bein mugged off again
danielle wer r u?? im outside the kebab shop n its freezin, hurry up or im goin without u
cant believe its only wednesday, this week is draggin soooo much, need a drink n a dance
cheers 4 last nite babe, i owe u a vodka, dont even remember gettin home ~
r u goin 2 becca's party sat? i dont no wot 2 wear, might get sumthin from new look after work
mum has gone mad coz i came in at 4, she says im grounded, im 19 ffs ~
ive got no credit left so if u want me u will av 2 ring me or text me on our reg's phone
kerry u will never guess who i saw in asda, reece with that slag from the ship, im fumin
im so hungover i want 2 die, nicky has got me sweepin up all day n the music is doin my head in
wot time r we meetin? im gonna b late coz my hair wont go right, save me a seat
hiya babe, how did ur interview go? hope u got it, u deserve it more than any1
just booked magaluf!!! 2 weeks in july wiv danielle n shaz, cant wait, need 2 get a bikini body now ~
reece wants 2 take me out 4 a meal on sat, think he is up 2 sumthin, what do u think?
im bored out of my head, nobody has come in 4 2 hours, nicky has gone 2 the bank n left me on my own
shaz u left ur straighteners at mine, do u want me 2 bring them out tonite?
omg i just seen the fittest lad in the bus station, shoulda got his number ~
cant come out tonite, skint till payday n mum wants me 2 babysit our reg, hes 15 but she dont trust him
happy birthday hun!!! hope u av a mint day, c u tonite 4 cocktails, its ur round ~
u will never guess wot happened at work, a woman came in wiv nits n nicky nearly died ~
r u still mad at me? i said sorry, i didnt mean it, i was just drunk n stupid
reece has finished wiv me by text, who does that?? im gutted, can u come round?
danielle im in the toilets at liquid, my mascara is all down my face, come find me
going 2 the tanning place after work if u want 2 come, its 2 4 1 on tuesdays
mum says if i dont tidy my room she will bin everything, she is such a nightmare
love ya babe, thanks 4 listenin 2 me last nite, u r the best mate ever
im at the bus stop, the 47 is late again, gonna b late 4 work n nicky will kill me
just had the worst day ever, i burnt a womans fringe n she cried, i want 2 quit
can u lend me a tenner till friday? ill pay u back i promise, its 4 my phone
reece wants 2 get back 2gether, i said ill think about it, im not that easy ~
wot r u wearin tonite? im thinkin my black dress but it makes me look fat
is becca comin? she still owes me a fiver from last week n shes always skint
had a mint nite, that dj was well fit, think he fancied shaz ~
our reg has been sent home from school 4 fighting, mum is goin mental
got paid!!! town tomorrow, im goin 2 get them boots from river island
my phone keeps turnin itself off, it is such a pile of rubbish, need a new 1
cant believe u told kerry wot i said about reece, that was private
sorry 4 shoutin at u babe, i was stressed, r we ok?
shaz ur such a dirty stop out, wer did u end up? ~
magaluf in 3 weeks!! ive booked a spray tan n my nails 4 the day b4
reece is being so sweet, he bought me flowers n a teddy, dont tell him i told u ~
just woke up, wot time is it? i feel like death, never drinkin again
the new girl at work is such a cow, she keeps tellin nicky i take long breaks
r u out 4 danielle's birthday? we r meeting at the ship at 8 then goin into town
u no that top u borrowed? can i av it back 4 sat please
my mum is goin on a date wiv a man off the internet, im so embarrassed ~
wot did he say when u told him? u have 2 tell me everythin
ring me wen u get this, need 2 talk 2 u about sumthin
the taxi is booked 4 half 8, dont be late this time or we r goin wivout u
ive got a massive spot on my chin n its reece's mates party tonite ^
just seen ur picture message, u look gorgeous, jealous ~
my feet r killin me, never wearin them heels again, i had 2 walk home barefoot
nicky says i can do my nvq level 3, shes payin 4 half of it!!
cant wait 4 2nite, need 2 let my hair down after this week
danielle ur gonna have 2 get the drinks coz i have only got 3 quid left
wer did u get 2 last nite? we were lookin everywhere 4 u
u need 2 stop textin him, he is not worth it, he treats u like dirt
is it ur day off tomorrow? fancy goin 2 the pictures 2 see that new film
im so full, mum did a roast n i had 3 yorkshires ~
cant believe its nearly xmas, ive not bought any1 anything yet
reece's mum hates me, she just blanked me in the co-op
going 2 bed now, work at 9, nite nite babe
"""

# Lauren, 21: Sue's daughter, away at uni in Leeds (English), housemates Priya
# and Hannah, brother Ollie at home, boyfriend Callum.
W["Lauren"] = """
Hi mum, got back fine, train was rammed but I got a seat after Doncaster x
Can you post my black boots down? I left them under the bed
Essay handed in!! 3000 words on Jane Austen and I never want to read Emma again ~
Priya has left the grill on again and set the smoke alarm off at 2am
mum can you put a bit of money in my account, my loan doesn't come in till the 20th, I'll pay you back at Easter
Callum's coming up this weekend so I'm not coming home, sorry
Tell Ollie happy birthday from me, I've sent him a card, it might be late
Just been to the library for 6 hours, my brain hurts
Hannah and me are having a pasta and Neighbours day, lectures cancelled ~
Passed my driving theory at the 2nd go, don't tell dad I failed the first one
Me and Callum had a row, he thinks I'm always out, I'm not
Got a 2:1 on the Shakespeare essay!!! Dr Marsh said it was really original
Can you ask dad if he can pick me up from the station on Friday, gets in at 7.40
Landlord still hasn't fixed the boiler, 3 weeks with no hot water
What are you doing for Nana's 70th? Do you want me to make something?
Fancy dress at the union tonight, I'm going as a Smurf, blue everywhere ~
"""

# Becky, 23: training to be a primary teacher, housemate of Sophie, sister
# Laura, boyfriend Pete... no, boyfriend Nathan, on placement at a school in Moss Side.
W["Becky T"] = """
Placement is knackering, 30 seven year olds and one of them threw up on my shoes
Sophie are you in? I've forgotten my key again
Nathan's taking me to Pizza Express for our anniversary, 2 years!
Observed lesson tomorrow, I'm bricking it
Can you record Grey's Anatomy for me? I'm at parents' evening till 8
Sophie you've used all my milk again, get some on your way back please
Laura's had the baby!! Little girl, 7lb 2, I'm an auntie ~
Got the job at St Anne's!!! Start in September
Nathan's done the washing up without being asked, I think he's ill ~
Can't believe the gas bill, £180 for the quarter, we need to talk about the heating
Marking 30 books on the Tudors, send wine
Are you still up for the quiz at the Crown on Weds?
"""

# Sophie, 22: final year (geography), lives with Becky, boyfriend Tom (Tom P),
# dissertation on flooding, works Saturdays at Waterstone's.
W["Sophie 22"] = """
Dissertation done!!! 12,000 words on flooding in York, I never want to see a river again
Becky I'm getting a Chinese, do you want anything?
Tom's got a gig at the Grove on Saturday, are you coming?
I'm at work till 6, can you take my washing out if it's dry
Just had my last ever lecture, feel a bit weird
Can you ring me when you're done, something's happened with Tom
The kettle's broken, I'll get one from Argos tomorrow
Mum and Dad are coming up on Sunday, can you help me tidy the kitchen
"""

# Danielle, 20: Jade's best mate, works behind the bar at the Ship, little
# lives with her nan, boyfriend Lewis, going to Magaluf with Jade.
W["Danielle"] = """
Jade where are you?? Im in the taxi queue on my own
Lewis is being a knob again, dont ask ~
working till 12 at the ship, come and see me, I'll sort you a drink
my nan says you can stay at ours tonight if you want
magaluf money paid!! £189 each, we are actually going ~
cant believe you told reece where we were, hes just turned up
"""

# Gemma, 25: works with Jade at Hair by Nicky (senior
# stylist), engaged to Ross, planning the wedding, has a cat Biscuit.
W["Gemma R"] = """
Can you cover my 10 o clock tomorrow? Ross has got his scan at the hospital
Wedding venue booked!!! Hathersage Hall, 14th June next year
Nicky said you can have Saturday off if you do Thursday late
Biscuit has been sick in my shoes again
Dress fitting went well, I cried ~
"""

# Dean, 24: call centre at the bank, plays five-a-side with Gaz and Lee,
# girlfriend Kirsty, supports United, lives with his brother Wayne.
W["Dean"] = """
u coming 2 footy thurs? we need a keeper, wayne's done his ankle
got a warning at work 4 being late, the team leader is a right jobsworth
kirsty wants 2 go 2 ikea on sunday, kill me now ~
did u see the match?? robbed, never a penalty
yer not gonna believe this, i won 60 quid on the scratchcard
can you get me a ticket 4 saturday if there's any left, I'll give you the money thurs
me and wayne are having a few cans and watching the boxing if u fancy it
kirsty's mum is coming for tea, I've got to put a shirt on ~
on a 12 hour shift, ringing people about their overdrafts, living the dream
dont tell gaz but i'm thinking of packing in the football, my knees are shot
yew owe me a pint from last week mate $
wayne's locked us out, waiting for him to get back from work, freezing
"""

# Ash, 21: studying computing, plays guitar in a band called Static Haze,
# housemate Tariq, girlfriend Megan, works at the students' union bar.
W["Ash 21"] = """
Practice moved to 8 at Tariq's, bring your amp
gig at the Cellar on friday, we're on second
just pulled an all nighter on the java assignment, my eyes are square
Megan says hi, and that you still owe her a fiver ~
working the union bar tonight, 2 for 1 on snakebite so it'll be carnage
anyone got a spare G string? snapped mine ~
handed in, now pub
Tariq's cooked a curry and it's actually decent
"""

# Craig, 19: apprentice electrician with Lee (Lee T), lives with his mum,
# saving for a car, supports City.
W["Craig W"] = """
what time u picking me up lee? im ready
mam says cheers for the lift last night
lad at college says he can get us cheap tickets for the derby
sorry im late, alarm didnt go off
"""

# Tom, 22: Sophie's boyfriend, works at the Grove bar, plays drums.
W["Tom P"] = """
soundcheck at 6, see you there
shift swapped, im off sat now, fancy doing something?
"""

# ---------------------------------------------------------------- longer ones

W["Chloe 14"] += """
mum paige's mum said can i go with them 2 alton towers on sat, its £20 but she will pay for the petrol, pleeease can i, ill tidy my room all week i promise
jess i swear if u tell brandon what i said about tyler i will never speak 2 u again, it was a secret, ur meant 2 be my best mate
dad i know ur mad but it wasnt my fault, paige's brother was meant 2 walk us home and he went off with his mates, im sorry ok
"""

W["Jess H"] += """
chloe u will never guess wot, brandon has asked me 2 go 2 his cousins 18th on saturday and his mum is driving us, shall i wear the pink top or the black one??
mum im really sorry about the bakery, i know i should have rang them, i just overslept, ive said ill do an extra shift next week to make up for it
brandon stop texting me in lessons, miss nearly took my phone off me and she said next time she'll keep it till friday ~ ill see u at dinner
"""

W["Jade K"] += """
hiya babe, wot u doin 2nite? me n shaz r goin 2 the ship 4 a few then maybe into town if we can get in, u comin? dont say no again
danielle ur never gonna believe this, reece turned up at work wiv flowers n nicky made him wait in the window while i finished a cut, everyone was starin ~
cant sleep, keep thinkin about wot reece sed, do u think he meant it or is he just sayin it 2 get me back? i dont no wot 2 do any more
change of plan babe, we r meetin at becca's first coz her mum is out, bring sum vodka n mixer n ill bring the music, taxi at 9
omg ive just got off the phone 2 my nan n she has booked a holiday 2 benidorm wiv her mate from bingo, shes 74, i love her ~
shaz u better not b late again, last time we stood outside the ship 4 half an hour n u turned up in ur slippers ~
im so fed up of livin at home, mum goes on n on about my room n our reg eats all my food, need 2 get my own place soon
wot u doin on sunday? fancy goin 2 the retail park n gettin a mcdonalds after? i need a new bag n sum make up 4 magaluf
reece has asked me 2 meet his dad on sunday, im well nervous, wot if he dont like me? wot do i even wear 2 meet sum1s dad?
just got home from work, had 2 stay late coz a bride wanted her hair doin again, she cried twice n her mum was a nightmare
danielle i no u r mad at me but i didnt no lewis would be there, i swear i didnt tell him, text me back pleeease
nicky has sed i can do the wedding hair on sat n she will give me the tips, if it goes well i might get my own chair ~
wer r u?? been ringin u all day, ur phone goes straight 2 voicemail, did u get home ok last nite? worried now
soz 4 not textin back hun, had no credit till 2day n mum wouldnt lend me any, wot did u want?
ive got the best goss ever but i cant tell u by text, come round after work n ill tell u everythin ~
reece is takin me 2 pizza hut 4 our 6 months, i no its not posh but i dont care, he remembered!
cant come 2nite, got the worst cold ever, mum has made me a hot toddy n its mostly whisky ~
omg i just saw the lad from the bus station again n he smiled at me, shaz sed i should have sed sumthin but i went bright red
just had a massive row wiv mum about money, she wants £40 a week board now, i only get £120
u will have 2 lend me ur straighteners again, mine have blown up n i look like a lion ~
becca has told every1 about me n reece, i could kill her, it was meant 2 b a secret till we sorted things
happy new year babe!!! hope this year is better than the last 1, love ya loads, ur the best mate any1 could av
im in bed wiv a hot water bottle n a film, not movin til tomorrow, ring me if anythin exciting happens
the taxi driver just sed i look like a girl off hollyoaks ~ i will take that, made my nite
danielle wot time do u finish at the ship? i will come n keep u company if ur on ur own, bored at home
reece is bein weird, he keeps lookin at his phone n puttin it face down, do u think he is seein sum1?
payday tomorrow!!! town on sat? im gettin that dress from topshop n u r not stoppin me this time
just burnt my hand on the straighteners at work, nicky put it under the tap n now it looks like a sausage ~
wot did u get up 2 last nite? shaz sed u went off wiv that lad from the kebab shop ~ spill
mum has booked us a table 4 her 40th on sat, its at the harvester, im gonna av 2 b nice 2 her new fella
is it true that becca n her fella have split up? she was all over sum lad in chicagos on sat
i have had the longest day, 9 clients n no dinner, i could eat a horse, wot r u doin 4 tea?
my nan has just text me for the first time ever, it sed HELLO JADE THIS IS NAN, im cryin ~
cant wait 4 magaluf, 2 weeks of sun n cocktails n no mum n no nicky, its gonna b mint
reece says he is sorry 4 shoutin at me in front of his mates, i told him 2 prove it
"""

W["Lauren"] += """
Mum, I've had a look at the trains for Nana's party, there's one at 10.15 that gets in at 1, is that ok or is it too late to help set up?
Priya's boyfriend has basically moved in and he never buys any food, he just eats ours and leaves his socks everywhere, Hannah's going to say something
Can't believe I've only got 6 weeks left of second year, it's gone so fast, I've got 2 essays and an exam and then I'm home for the summer
Thanks for the parcel mum, the flapjack's already gone, Hannah ate 3 pieces before I'd even opened the card ~
Ollie, stop nicking my hoodies when I'm not there, mum told me, I want the grey one back in one piece
"""

W["Becky T"] += """
Sophie I've had the worst day, the head came in to watch my lesson and a kid called Tyler told her I'd been crying in the toilets, which I hadn't, much
Nathan's mum has invited us for Sunday lunch AGAIN, that's four weeks in a row, I love her but I need one lie in a week
Are you coming home tonight or staying at Tom's? Only I want to put the heating on and I'm not paying for it on my own
Just found out I've passed my placement!!! Mrs Hughes said I was one of the best students she's had, I could cry ~
"""

W["Sophie 22"] += """
Becky don't kill me but I've told my mum she can stay on the sofa on Saturday, she's coming for the graduation fair and hotels are booked up
Tom's forgotten our anniversary, he says he hasn't but he's just bought a card from the petrol station, I can tell
Ok so the dissertation printer's broken, the library's closed and it's due at 12 tomorrow, this is fine, everything is fine
"""

W["Dean"] += """
gaz tell the lads im not coming out saturday, kirsty says if i go out again this month she's going to her mums, and to be fair she's got a point
mate ur not gonna believe it, the goose has died on the ring road, the car just stopped, im sat on the hard shoulder waiting for the aa
yew are a legend, cheers for sorting the car, kirsty says thanks as well and she never says thanks to anyone ~
work have put me on the complaints line for a month, 8 hours of people shouting at me about bank charges, shoot me now
had a right row with kirsty over her mum, i said one thing about the gravy and now im the worst person in the world
did yer get my text about the tickets? its 35 each and we need to pay by friday or they go on general sale
wayne says u still owe him a tenner from the snooker and he's not forgotten ~
"""

W["Ash 21"] += """
lads the cellar have moved us to the headline slot because the other band pulled out, we need to do at least 45 minutes so learn the new one
megan's parents are coming up this weekend so the house needs to not look like a crime scene, tariq that means your pans
just got my marks back, 68 for the database project, so i'm not a complete waste of student loan ~
anyone want to come to the cash and carry tomorrow? tariq's got a car for the day and we need about a ton of pasta
megan thinks i forgot her birthday, i didn't, i've got tickets for the comedy club but she's got to wait till friday ~
"""

W["Craig W"] += """
lee i've left my tool bag at the last job, can we go past on the way in, i think its in the garage
mam's says do u want to come for ur tea on fri, she's doing a hotpot and she wants to say thanks for the apprenticeship
got my first proper wage!!! going to get a car with the money, mams says its to go on the bills first
passed my 2nd year exams at college, the tutor says im on for a distinction if i keep it up
"""

W["Danielle"] += """
jade I'm not mad at you, I'm mad at lewis for turning up, he knew where we'd be cos his mate works the door
just done 14 hours at the ship, my feet are in bits and some idiot was sick in the ladies, never again
"""

W["Lauren"] += """
mum can u ring me when u get in, I need to talk to u about next year, me and Priya and Hannah want to get a house and we need a guarantor, it's not urgent but soon x
"""
W["Becky T"] += """
Sophie can u let the gas man in tomorrow at 10, I'm at school all day and he says if no one's in he won't come back for 2 weeks, I'll buy u a pizza x
"""
W["Chloe 14"] += """
mum can u come and get me from town, me and paige have spent all our money and we can't get the bus, we r outside boots, sorry, i'll pay u back from my birthday money x
"""

W["Dean"] += """
mate can u lend me 20 quid till friday, kirsty's birthday is tomorrow and I forgot, I need to get her something nice or I'm dead, I'll give u it back thurs at footy
"""

W["Chloe 14"] += """
mum im at paiges now
can i stay out till 9
dad wer r u
"""
W["Jess H"] += """
at work till 4
brandon's here, mum ok?
"""
W["Dean"] += """
yer round tonight mate $
kirsty's mum is here, help
"""
W["Lauren"] += """
Train's delayed, 40 mins
Essay done, going out!!
"""
W["Becky T"] += """
Locked out again ^
"""
W["Ash 21"] += """
on my way with the amp
"""

W["Jade K"] += """
wot u up 2? im in bed n its only 9, how sad am i, ring me if u go out n i will get up
r u in? can i come round 4 a bit, mum n me r at it again n i cant be in the same room as her
u ok hun? u went off early last nite n u didnt say bye, did he say sumthin 2 u? tell me
i no i sed i wud b there at 8 but i will b more like 9, my bus is late n i still av 2 do my face
wer r u? i am at the bar by the door, get me a wkd if u r at the bar, i will get the next 1
can u get me a bit of credit on ur way in? i will pay u back on fri, i no i say that all the time
did u get in ok? i was so drunk, i fell in the taxi n the man had 2 help me out, so bad
its so cold out, i am in my coat n a hat n i still cant feel my toes, hurry up, i am by the pub
me n reece r going 2 the pub at 8 if u want 2 come, his mate will b there 2, the 1 u like
u r so bad, i cant believe u sed that 2 him, he went so red, i nearly wet myself
if u see reece tell him i am not in, i dont want 2 see him, not after wot he did on sat
i am at my nans 4 tea, she has made a pie, she says hi n when r u going 2 come n see her
"""

W["Jade K"] += """
r u up? i cant get 2 sleep, i keep going over it in my head, wot if he is with her now
u r the best, i dont no wot i wud do with out u, i mean it, love ya lots n lots
get up!!! it is 11 n u said u wud come in 2 town with me, i am at the bus stop now
wot time is it on till? if it is on till 2 i will come at 11 after my tea at my nans
i am so fed up, no 1 is out, no 1 has any money n it is pay day in 2 weeks, i hate it
if he text u, dont tell him wer i am, i am not in the mood 4 him 2nite, i mean it
can u do my hair 4 me b4 we go out? i cant do the back on my own n u do it well
me n u r going out on sat n we r going 2 have the best nite, no lads, just us 2
"""

W["Lauren"] += """
Mum I've changed my mind about the course, I talked to my tutor like you said and she says if I'm not happy I can switch to English and history next year without losing anything, so I'm going to do it x
"""
W["Dean"] += """
kirsty I'm sorry about what I said about ur mum's gravy, it was a joke and it came out wrong, I'll ring her and say sorry if u want, can we just go to the pictures tonight and forget it?
"""
