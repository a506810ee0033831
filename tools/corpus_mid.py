"""What the writers aged 26 to 40 text (marks as in corpus_young.py).

Each writer's fixed facts are in the note above their lines; a name in a
writer's lines belongs to that writer's circle alone, and a dialect word to
the writer's region.  The one a text is for knows the job, the partner and
the last row: a line leans on that instead of telling it.
"""

W = {}

# Kerry, 28, Mansfield: on the counter at a chemist's, partner Dan (a
# roofer, has the van), daughter Molly (5) in reception, sister Vicky, mates
# Joanne and Lisa from the school gates; drives a red Micra.  Her sister and
# mates call her Kez.
W["Kerry B"] = """
Molly wont go to bed, 3rd time shes been down for a drink. Give me strength
Are you going to the school fair Saturday? Molly wants to do the tombola and the face painting, I'll need someone to hold my coffee
Can you have Molly for an hour Thursday? Doctors
+Woman shouting at me cos her prescription wasn't ready, like it's my fault, I only hand them over, I wanted to throw the Strepsils at her
Can I borrow your slow cooker? Mine's packed in and I've got a load of stewing steak that needs using, I'll bring you a bowl
Did you get the letter about nits? Molly's been scratching all night ^
Are you still ok for the school run tomorrow? I'm on an early
Need a night out, not been out since your birthday, Dan says he'll have her, shall we do Friday? Just the three of us, and Lisa if she can
Can you pick up some Calpol on your way, she's burning up and she won't have the medicine with the funny taste, the strawberry one
Gym after work, don't let me talk myself out of it
+Hi hun, are you doing the cake stall? I'll do rocky road
He's been in the pub since 2 and now he wants his tea, he can whistle for it
Ok see you at the gates
+Yeah go on then, just the one
What time do you finish? I'll come and get you
Hiya hun, how's your mum doing? Tell her I was asking
Hurry home, she's asleep and I've opened the wine ~
Can't talk, bath time
Bring the baby Saturday, Molly's dying to see him
+Love you, drive safe
Yes please, milk and a loaf
What are you wearing tonight? I've got nothing
Ok no worries
+Oh no, is she ok? Ring me when you can
+Thanks for tonight hun, I needed that. Same again next month?
Her teacher wants to see me after school, I bet it's the biting again, dreading it
He's come off the ladder, says he's fine but he's at A and E with his wrist, can you get Molly
All she talks about is your dog now, I think we're in trouble ~
Could you have Molly Saturday afternoon? His mum's in hospital again and he won't go on his own, I'll drop her at 1 with her colouring
Locum today who didn't know where anything was, then a man fainted in the queue, I'm having wine
His mum and dad want to come for Christmas. All of Christmas. Where am I going to put them
Wacky Warehouse party Saturday, do you know the mum? Don't want to just drop her off
Burnt toast and a yoghurt in bed, best birthday breakfast ever, she'd even put a candle in the yoghurt, I nearly cried ~
+Miss you babe, she's at her nan's so it's just us tonight ~
+Love you too babe
Some kid's put a football through the front window, Dan's boarding it up and I'm sat here in my coat with the heating on full
Skegness Saturday! Caravan's booked, she's packed nothing but Barbies and a torch
Parked outside Woolies, where are you?
He's being right mardy today
+Give us a ring when you're up duck
+Only got 40p credit, ring me back
"""

# Nicola, 33, Nottingham: HR at the council, husband Paul, daughter Amber
# (11), baby Finn (1), friend Rachel, runs on Sundays; the Focus.
W["Nicola"] = """
Can you get Amber from Brownies at 7.30, stuck in a meeting that should have finished at 5, she'll be by the church hall door
Another tooth coming, we were up from 3. Running on coffee and biscuits, if I fall asleep in the restructure meeting wake me up
Have you paid the gas? They've sent a red one, it's on the mat, I thought you did it online last month, ring them before 5
Can you put the oven on at 6, it's the lasagne in the fridge, the one with the foil on, not the one for your mum's
Finished early, I'll get her, don't worry
What time are you home? He won't settle and I'm losing the will
+Yes, ring me after 8
Sorry I was grumpy this morning
Have you got the car seat? Can't find it anywhere
Ok, see you at the gates at half 3
Nappies on the way home, size 4 not 3, the big pack from the Co-op, and wine, and something for tea, I haven't the energy
Lunch Thursday? I need a moan
Nursery again, he's got a temperature, can you get him? I've got a disciplinary at 2
Thanks for the flowers, you soft thing ~
+Sorry, missed your call, in with my manager. What's up?
+Yeah go on, ready in 10
Night, don't stay up too late
How's the head this morning? ~
Pasta bake in the fridge, back at 7
Is it your mum's Sunday or next week? I've lost track, and if it's this week I need to get her a card, the birthday's Tuesday
6 miles, I can't feel my legs
+Can you ring me when you get a minute? She's been in tears since school, something about Erin
Your mum and dad Saturday at 1, I've booked the Harvester, please don't make plans
Fancy a glass of wine tonight when the kids are down? Restructure by Friday, I ask you
Are you free Thursday? Ear infection, Amber playing up, Paul in London, it's been chaos, I need wine and someone who isn't under 12
10k in 58 minutes! Kettle on please
+Just heard about the court thing, ring me or I'll come round after bedtime
Finn's eaten a crayon. Purple. He's fine
Babysitter's booked, table's booked, new dress, be home on time Mr ~
Calpol, Sudocrem, wipes, Hovis seeded not the cheap one, and a bottle of Pinot
Forgot the nursery fees, can you do them online tonight?
+Yeah fine, I'll do it
Redundancies. Me. Across the table from people I've worked with for 8 years. Drink Friday?
"""

# Lisa, 35, Mansfield: checkouts at Asda, kids Tayla (8) and Kai (4), ex
# Darren, new fella Shaun; friends Kerry and Joanne; no car, gets the bus.
W["Lisa M"] = """
Can you have Kai for half an hour, I'm on at 4 and he's not back
Not turned up again, she's sat by the window with her bag packed ^
On my break, this woman had 47 tins of beans, I kid you not
Can Tayla stay at yours Saturday? Going out ~
+Miss you babe, what time are you back?
Hiya, lift to the big Tesco Saturday? I'll buy you a coffee and a bacon barm, I need a big shop and I can't carry it on the bus
He wants the kids for Christmas, over my dead body
+Yeah he's being a twat again, tell you later
What time's the last bus back from town? Mine's gone
Kai's wet the bed again, I'm on my third wash
Are you in? Need a brew and a moan
Hiya, did Tayla leave her cardigan at yours?
+Ok babe
Oh god, non uniform day, can you lend Tayla a quid? I've only got a twenty and the office won't change it, I'll give it you at 3
Just finished, dead on my feet. Fancy chips?
Sorry, phone was on silent, everything ok?
+Can't wait to see you tonight, the kids are at their nan's ~
He's asked me to move in. 6 months. What do you think? Be honest. The kids like him but Tayla's still funny with him
Says I'm stopping him seeing them, he's not bothered turning up 3 weeks running
Come to the gates tomorrow, I can't put it in a text but it's good news ~
+Thanks for having Kai hun, I know he's a handful, I'll have Molly any time
Extra shift, can you get the kids from my mum's at 6, fish fingers in the freezer
+He's at the door pissed asking to see the kids, I'm shaking, can you come round
+Yeah I know, he's a knob
Hearing's put back to the 14th. Fed up to the back teeth
Missed the last bus and it's pouring, any chance of a lift from Asda? I'll buy you a drink Friday
Netball team! She needs a skort and a white polo by Thursday, Matalan after you finish?
+Ffs, bus is late again
+Miss you already ~
+Fucking Darren. Cancelled AGAIN
"""

# Joanne, 38, Mansfield: dinner lady at St Peter's, husband Mark (a lorry
# driver, away nights), kids Ellie (9) and Josh (12), mates Kerry and Lisa;
# drives a Zafira.
W["Joanne"] = """
Aberdeen till Thursday so it's beans on toast all week, the kids think it's Christmas, I've not cooked since Sunday ~
Can you have Ellie after school Wednesday? Dentist at 4 and she won't sit still in the waiting room, I'll pick her up by 5
Josh has lost his PE kit again, second one this term
Stopping over tonight or heading back?
Yes I'll do the cake stall, I'll do flapjacks
Ok, see you at the gates
Ellie's got nits again
Hiya, coming round for a brew later? I've got biscuits
200 kids through for fish fingers, one was sick in the custard and the oven broke at twelve, I'm done in
Hiya duck, can you bring a bag of sugar tomorrow? I've run out and I'm not going to the shop in this rain for one thing
Josh wants to go to a party at the bowling, is your lad going?
What time are you back Friday? I'll do a curry
Oh bless her, tell her get well soon
Can you give me a lift in tomorrow? Mark's mum has got the Zafira till Thursday
+Yeah go on then
You're a star duck
Josh has got a temperature and I'm on at 11, can you have him till his nan gets here? He'll just sleep
Kids are at your mum's, wine's in ~
Ring him tonight about his report, he got a merit for maths, he's made up
Double shift, Maureen's off, I smell of gravy, bed at 8
Her best friend's moving to Wales and she's been crying all night, what do I say?
+Yeah she's fine, just tired
Bed's cold, come home safe
Quality Street, wrapping paper and sellotape from Woolies if you're passing? Teacher's present, last minute as usual
+Yeah he's back Friday
Don't be mardy, it was a joke
"""

# Claire, 34, Newcastle: solicitor, husband Rob (a joiner, has the van),
# kids Isla (6) and Alfie (3), dog Dexter, friend Emma from school; Audi.
W["Claire 34"] = """
Can you take Dexter out at lunch? In court all afternoon
Isla's got a temperature, nursery want her picked up, can you? With a client till 3
Home by 7, Alfie needs a bath, chilli in the freezer, and don't let Dexter on the sofa, he's been in the pond again
Running late, it's dragging on
Have you booked the van in? It's Thursday
Yes please, a large one, it's been a day
Ok, drive safe
Alfie's prescription's at Boots, can you get it on the way? And Calpol, the one with the spoon, he's lost the last one
Did you remember her reading book? Her teacher's on at me
Kids are asleep, come home ~
Sorry, meetings all day. What's up?
Party Saturday at the soft play 2 till 4, can you take her? I'll never get back in time
Still ok for Friday? Rob's got the kids, the new Thai place?
Birmingham Thursday and Friday, can you sort the kids, your mum said she'd help
She wants to be a solicitor like me, then asked what a solicitor does ~
+Yeah, ok
Let's get a takeaway and an early night ~
Lost one I should have won. Home late, don't wait up
Dexter's chewed your slipper, sorry
Dexter's rolled in fox poo on the common again, dog shampoo from the vet's on your way?
"""

# Emma, 29, Newcastle: nurse on ward 12 with Sarah, boyfriend Chris, flat in
# town, training for the Great North Run, Claire's friend from school; walks
# to the hospital.
W["Emma D"] = """
12 hour shift done, I could sleep for a week
Chris is cooking tonight so I'll probably be on toast ~
Can you swap my Saturday? I'll do your Tuesday night
8 miles this morning, my knees hate me
Home at 8, can you put the heating on?
Yes! What time?
On tomorrow? Sister's in a foul mood so bring chocolate
+Love you, night
Ok see you at the station at 7
How are you feeling? Any more kicks? ~
York for my birthday! No idea how he sorted the rota
How did the scan go? On my break, thinking about you
+Yeah, see you there
Whole weekend off and I'm all yours ~
This week of nights is killing me, lazy Sunday in bed with the papers?
Canteen's out of jacket potatoes, tragic
Howay, it's only 13 miles
"""

# Sarah, 31, Newcastle: nurse on ward 12 with Emma, husband Adam, first
# baby due in March; drives.
W["Sarah J"] = """
It's a boy!
Rennies please, heartburn from hell
Cot's together. Upside down ~
On my way, 10 mins
Thanks for covering me, I owe you big time
+Hurry home, I want a cuddle
Ok, see you at 2
Off on the 1st, can't come soon enough
Kicking! Properly, on the bus, I nearly cried ~
Up all night being sick, can you tell sister I'm sorry and I'll ring the ward at 8, I can't even keep water down
+Sick in the staff toilet again, whoever said it stops at 12 weeks was a bloody liar, get me at 7
+Yeah, I'm fine, just tired and fat ~
"""

# Vicky, 26, Mansfield: Kerry's little sister, baby Mason (7 months),
# boyfriend Shane; no car.
W["Vicky"] = """
Can you have Mason Saturday night? He's taking me out for my birthday ~
Tooth! Finally
What time's mum doing dinner Sunday?
+Ok, love you
Asleep on the sofa with Mason on him, they look so cute ~
Kez can you lend me 20 quid till Friday, nappies, I'll pay you back I promise
+Yeah he's fine now, just a bit grizzly
+Hurry home babe, wine's open ~
Shane's gone to the match and left me with a teething baby and no nappies
+Ring me back, I've only got 20p credit
"""

# Rachel, 37, Nottingham: accountant, divorced, son Harvey (10), friend
# Nicola; drives.
W["Rachel"] = """
His dad's let him down again, I could scream
Hi hun, glass of wine Friday? I need to get out of the house
Ok see you at 8
First match Saturday at 10, his dad says he's coming, not holding my breath, come with me?
Thanks for tonight, I know I went on a bit, same time next month, my treat
+Yeah, I know, I just needed to say it out loud
He's only booked Florida without asking me, in term time, and he's no passport
Best date! Shy but funny, again next week, don't tell Harvey ~
"""

# Donna, 40, Hull: the launderette, son Bradley (16); no car.
W["Donna"] = """
Where are you? It's gone 11
On till 6 then home. Pizza in the freezer
20 Lambert and Butler on your way round
Ok love
School on again, 3 days missed this week, you're grounded
If I find out you've been at that party I'll come and get you in my slippers
"""

# Kelly, 30: on maternity leave, twins due in May, partner Gav.
W["Kelly P"] = """
Both head down ~ can't get off the sofa
Ice lollies on the way home please
"""

# Gaz, 33, Chorley: mechanic, partner Nikki, son Riley (7), five-a-side on
# Thursdays with Dean and Lee, darts at the Feathers, United season ticket;
# drives a pick-up.  His mates call him Gazza.
W["Gaz"] = """
whats the score $
cant tonight, parents evening $
+back at 6, what's for tea?
can you get riley, stuck under a transit $
pint after? $
running late, some bloke's clutch has gone on the forecourt $
ok mate $
where did you put the spare keys for the pick up
+bollocks, forgot the darts money, sub me $
+back in 20, need anything?
+yeah go on $
can you ring the school, he's forgot his dinner money again, tell them i'll drop it in at dinner, i'm only round the corner at the yard
3 nil at home, don't talk to me $
home in 10
what did you say to her?
+see you later babe
riley's been sick in the pick up, tell them i'll be in at 10
that was never a penalty, still fuming, pint after? $
+yeah go on then $
+part's not come again, 3 days, fucking joke $
200 quid for 3 months, have you had the heating on all day again? we'll talk later, i'm not having a go, just saying
+bloke's brought a van in with no brakes, drove it 40 miles like that, what an arse $
+back late, recovery truck's gone on the bypass with a car on the back, save me some tea
+love you, back soon
+crap ref, crap game $
brew on, i'm 5 mins away our kid $
"""

# Lee, 29, Chorley: electrician, Craig is his apprentice, partner Stacey,
# first baby due in June, five-a-side with Gaz and Dean; the works van.
W["Lee T"] = """
picking you up at 7.15, be ready this time $
+you ok? ring me if anything happens, i'll come straight home
cant mate, all day in Leyland $
finished early, pint? $
+love you, see you at 6
+yeah sound $
you left the drill at the last job, you're paying for it if it's gone $
need anything from the shop?
running late, this job's a nightmare $
scan pics back, can't stop looking at them ~
we can have it next month if the deposit's in by friday, it's got a garden
+yeah nice one $
+chips on the way home? love you both ~
B and Q sale, laminate half price, nursery this weekend? your dad's lending us his saw
+for fuck's sake, forgot the part, can you go back for it? $
+yeah, on my way $
"""

# Paul, 35, Nottingham: IT manager, husband of Nicola, dad of Amber and
# Finn, cycles to work, mate Stuart from university.
W["Paul 35"] = """
Leaving now, back by 6.30
Server's down, going to be late, sorry
Yes, got the nappies
Where are you? Your mum's worried
+Love you too
Still on for Sunday? 8am at the lights?
Can't find the car seat, where did you put it? I've looked in the garage and the shed and I'm going to be late for the childminder
Ok will do
Sorry, meeting overran, on my way
+Yeah fine
"""

# Rob, 37, Newcastle: joiner, husband of Claire, kids Isla and Alfie, dog
# Dexter; has the van.
W["Rob"] = """
on my way, stuck behind a tractor, 5 mins
finished early, i'll get the kids
back about 6
van's booked in for thursday
+yeah will do
sorry about this morning pet, home by 7 and i'll cook
"""

# Stuart, 40: teacher, cycles, Paul's mate from university, wife Jen.
W["Stuart"] = """
Ride Sunday? Weather looks ok
Puncture, go on without me
"""

# Jamie, 26, Chorley: labourer, five-a-side with Gaz's lot, girlfriend Toni.
W["Jamie K"] = """
am i playing thursday or not $
toni can you get me from the site at 5, lads have gone without me $
shouldn't have gone out after footy, meal saturday?
"""

# ---------------------------------------------------------------- the longer ones: several things at once

W["Kerry B"] += """
+Hi hun, are you around tomorrow? Need a dress for Saturday and I could do with a second opinion, I'll buy lunch, Molly's at nursery till 3 so we've got ages
Dan's mum has just rung and invited herself for Sunday dinner again, she'll only moan about my gravy, can I come to yours instead? I'm joking. Sort of
Thanks for having her today, she's had the best time, she's fast asleep on the sofa with her shoes still on, I owe you one, wine Friday?
Just got in, you would not believe the day, a man fainted in the queue, the computer went down twice and I've a headache from hell, bath and bed for me
Are you going to the gates tomorrow? I'll be in the car, wave me down if you want a lift back, it's meant to pour all day
+Molly wants to know if Ellie can come for tea on Thursday, I'll pick them both up and drop her back by 6, let me know hun
+Can you ring me when you get this, it's about Lisa, nothing bad, I just don't want to put it in a text
+Sorry I missed your call, I was in the bath with Molly, everything ok? I'm in all night if you want a natter
"""

W["Nicola"] += """
Are you still ok for Sunday? I'll be at the park gates at 8, if it's raining I'm still going, I need it, don't let me down
Can you have a look at the boiler when you get in? It's making that noise again and the water's only lukewarm, I had a cold shower this morning
Paul's parents have invited themselves for the whole weekend, I've got work on Friday and a mountain of washing, tell me it'll be fine
Amber wants to know if she can go to Erin's on Saturday, her mum says she'll have her till 4, I said yes if her room's tidy, don't say otherwise
Just got out of the meeting from hell, three hours and we decided nothing, I'm going to get a coffee and stare at a wall, how's your day?
+Can you ring me back when you get a minute, nothing bad, just need to sort next week with you before I book anything
"""

W["Lisa M"] += """
+Hiya babe, are you working Saturday? He's taking the kids to his mum's so I'm free all day, fancy the retail park and a Maccies, my treat
Kai's been up half the night with his ear, I'm shattered, I've been on the tills since 8 and I can hardly keep my eyes open, is it home time yet
+Can you ring me when you get in, I need to talk to you about Tayla, she came home crying again, I don't know what to do with her
+Thanks for the lift last night hun, I'd still be stood there now if it wasn't for you, I owe you a bottle of wine, white or red?
"""

W["Joanne"] += """
Hiya duck, are you going to the school tomorrow? I'll walk down with you if you want, I'm on at 11 so I've got time, knock for me at quarter to
He's just rung from the services, he's stuck behind an accident on the A1 so he won't be home till late, I'll save him some tea and go to bed
Thanks for today, I needed that more than you know, I laughed so much my face hurts, same again next week, my turn to do the cakes
Can you pick Ellie up with yours on Wednesday? I'm stuck in work till 4, she can have her tea at yours if that's ok and I'll get her at 5
"""

W["Claire 34"] += """
Can you pick Isla up at 3.15? I'm stuck in the office and I won't make it, her book bag and her painting, and Alfie's at nursery till 6
Rob, I've booked us a table at the new place for Saturday, your mum's having the kids, don't make any plans with the lads, I mean it
Are you still coming on Friday? I've bought a bottle of the pink stuff you like and Rob's taking the kids to his mum's so we can talk all night
"""

W["Emma D"] += """
Home about 8, it's been manic, 2 admissions in the last hour and the doctor didn't turn up, can you put the oven on and run me a bath
Sarah you'll never guess what sister said to the new doctor, I nearly wet myself, I'll tell you on the break, save me a seat in the canteen
Are you running Sunday? I was going to do 10 miles along the quayside, come with me, I'll buy the coffee after, it's canny going with two
"""

W["Sarah J"] += """
Adam can you come and get me at 7? My feet have swollen up and I can't face the bus, and can we get a chippy on the way home, I'm starving
"""

W["Vicky"] += """
Kez are you coming to mum's Sunday? She's doing a roast and she wants us all there at 1, can you give me and Mason a lift, Shane's got the car
Hiya, are you up? Mason's been up since 5, I've watched the Tweenies three times and I'm losing my mind, come round for a brew please
"""

W["Rachel"] += """
Are you free for a drink on Friday? Harvey's at his dad's for the weekend and I don't want to sit in on my own again, I'll drive if you want
"""

W["Gaz"] += """
nikki can you get riley from your mum's, i'm stuck at work, we've had 3 in at the last minute and the boss wants them done tonight, i'll bring a chinese
mate are you still on for thursday, pitch is booked 7 till 8, tell dean and lee and anyone else you can find, we're short again $
nikki i know you're still mad about saturday but i'm sorry, i shouldn't have gone back to al's after, i'll take you out friday, just me and you
riley, dad's picking you up from school today, wait by the gate with your teacher and we'll go and get your new football boots
+who's got the ball for thursday? last week's went over the fence and that bloke at number 12 won't give it back, miserable sod $
"""

W["Lee T"] += """
+stace i'm on my way home now, the job overran and the customer wouldn't stop talking, is everything ok? you've not replied, ring me
craig i'm outside your mum's, if you're not out in 2 minutes i'm going without you and you're walking, and bring your own dinner today $
mate the van's died on the motorway, can you come and get us from the services? we're in the costa, i'll buy you a brew when you get here $
"""

W["Paul 35"] += """
Stuck on the train outside Derby, signal failure, I'll be late, can you do the nursery drop this morning? Sorry
Stu, are you still up for the sportive in June? I've been on the turbo every night this week and I'm still slow, we need to get some hills in
"""

W["Rob"] += """
got both kids from school and nursery, alfie's had a little accident so he's in his spare trousers, isla's fine, we're at the park till 5
"""

W["Stuart"] += """
Jen says can you and Nicola come for dinner on the 14th, about 7.30, nothing fancy, just a curry and a few beers, bring the kids if you can't get a sitter
"""

W["Gaz"] += """
nikki, pick up a tin of swarfega, a pack of fuses and some wd40 from halfords if you're near the retail park, i'll pay you back tonight $
mate can you do me a favour and ring the feathers, see if they've still got my jacket from friday, i think i left it on the back of the chair by the darts $
riley's teacher wants to see one of us after school tomorrow, can you go? i can't get away, the boss is already on my back about thursday
tell your dad i'll have a look at his car sunday morning but he's buying the bacon butties, and it's probably the alternator again
nikki where's the tin opener, i've looked everywhere and riley wants beans on toast, and why is there a cat in the kitchen
"""

W["Lee T"] += """
+stace what did the midwife say? ring me on my dinner, i'm on the new builds and there's no signal in the house so i'll go out to the van at 12
craig, tomorrow it's the new builds at 7.30, bring your own dinner, there's no shops for miles and i'm not driving you to greggs again $
"""


W["Nicola"] += """
Paul, can you take Amber to swimming tonight, I've got a meeting that's going to overrun, her bag's by the back door, and she needs a pound for the locker
Rachel, I'm sorry I haven't been in touch, it's been chaos here, are you free Thursday night? I could do with a catch up and a large glass of something
"""

W["Kerry B"] += """
+Hiya hun, Molly's been invited to a party at the Wacky Warehouse on Saturday, is yours going? We could go halves on a present and share the lift
"""

W["Lisa M"] += """
Can you do me a massive favour and get Tayla from school with yours? They've changed my shift again and I can't get back for 3, she can stop at yours till 6
"""

W["Joanne"] += """
Mark, Ellie's got her swimming gala on Saturday and she's in bits, can you ring her tonight? She's been sat by the phone since tea
"""

W["Emma D"] += """
Chris, I've been asked to stay on till 10, we're 2 nurses down, I'm so sorry about dinner, can you eat without me and I'll have mine when I get in
Claire, are you still coming on Saturday? I've booked the table for 8, it's only 6 of us, and Chris says he'll pick us up after so we can all have a drink
"""

W["Claire 34"] += """
Emma I'm so sorry but I can't make tonight, a client's in a state and I can't leave the office, can we do next week? Dinner's on me to make up for it
"""

W["Paul 35"] += """
Nicola, just been told I've got to go to the London office Tuesday and Wednesday, I know it's bad timing with Finn, can your mum help out? I'm so sorry
Can you get some bread and milk on your way home? I've used the last of it, and the bin men didn't come so don't put any more in the green one
"""

W["Vicky"] += """
Shane, can you get nappies and wipes on your way home, the big pack, and some Calpol, he's still grizzly with his tooth and I've had no sleep
"""

W["Sarah J"] += """
Adam, I've been to the midwife and everything's fine, the heartbeat's strong and she says I'm measuring right, I'm so relieved, see you tonight
"""

W["Donna"] += """
Bradley I'm at work till 6, there's a pizza in the freezer and 2 quid on the side for the bus, and if you're going out you text me, I mean it
"""

W["Rob"] += """
going to be late tonight, the job's taken all day and she wants the kitchen finished before her mother in law comes on friday, save me some tea
"""

W["Jamie K"] += """
"""

# ---------------------------------------------------------------- more of the long ones

W["Kerry B"] += """
+Dan, I'm sorry I shouted this morning, it's been a shit week at work, let's get a takeaway tonight and start again, Molly's in bed by 7, love you
+Fucking hell Vic, mum's just rung, she's only gone and booked herself on our week in the caravan, what am I going to tell Dan?
Hiya hun, are you still coming Saturday? Molly's made you a card and she won't let me see it, she says it's a surprise, bring wine ~
"""

W["Nicola"] += """
+Paul, just wanted to say I love you, I know I've been a nightmare with all the work stuff, thank you for being so good with the kids, see you tonight
Nursery have put the fees up again, 20 quid a week more, I've just seen the letter in her bag, we need to talk about it tonight
"""

W["Lisa M"] += """
+Shaun, I can't stop thinking about you, last night was lovely, thank you for putting up with my mad kids, I'm lucky to have you, see you Friday
+Bollocks, I've left my purse at work and I'm stood at the till with a trolley full of shopping, can you bring your card down to Asda?
"""

W["Joanne"] += """
+Missing you loads tonight Mark, the kids are asleep, it's raining and the house is so quiet, drive safe and ring me when you stop, I love you
+Bloody hell, the head's just told us they're cutting our hours after Easter, that's 30 quid a week less, I don't know how we're going to manage
"""

W["Claire 34"] += """
"""

W["Emma D"] += """
+Chris, just got in and found the flowers and the card on the table, you're the best, I love you so much, get home soon so I can say thank you properly ~
+Fuck me what a shift, 3 admissions in an hour and the doctor went missing, I'm going to have the biggest glass of wine in the world
"""

W["Sarah J"] += """
+Adam, I love you, thank you for painting the nursery, it looks gorgeous, even if there's more yellow on you than on the walls ~
"""

W["Vicky"] += """
+Shane, I love you, thanks for taking Mason out this morning so I could have a lie in, best present ever, see you later gorgeous ~
+Fuck sake Kez, he's only gone and spent the nappy money at the match again, I'm so pissed off I could scream, can I come round?
"""

W["Gaz"] += """
+miss you babe, can't wait to get home, can riley go to bed early tonight? i'll bring a bottle of wine and we'll have a night in ~
+nikki where the fuck is the remote, riley swears he hasn't had it and the match starts in 5 mins $
"""

W["Lee T"] += """
+stace, i love you, i know i'm rubbish at saying it but i'm so proud of you, you're going to be an amazing mum, see you at 6 gorgeous
+craig, if you're late one more time i'm telling the gaffer, i'm not covering for you again, i mean it, it's taking the fucking piss now $
"""

W["Rachel"] += """
"""

W["Paul 35"] += """
Stu, are we still on for Sunday? If it's dry I thought we'd do the long loop out past the reservoir, back by 12, Nicola wants me home for her mum's lunch
Can you ring me when you get a minute? The school have sent a letter home about Amber's trip and I can't work out if we've paid or not, it's on the fridge
"""

W["Lee T"] += """
stace, i'm stuck at the wholesalers, the queue's out the door, i'll be late, can you ring your mum and say we'll come tomorrow instead
mate are you still up for thursday? i'll be late cos i've got a job in leyland, start without me and put me in goal when i get there, i'll be there for 8 $
"""

W["Gaz"] += """
riley's got a party at the bowling on saturday, can you take him? i'm on till 1 and i promised the boss, his present's in the wardrobe, wrapped and everything
mate i've got 2 spare for sunday, nikki's not bothered and her dad's working, do you want them? same seats as last time, i'll need the money friday $
"""

W["Joanne"] += """
Can you tell Kez I'll be late for the gates tomorrow, I've got to take Josh to the dentist first thing and his appointment's not till 9, I'll see you at 3
"""

W["Nicola"] += """
Hi, just to say Finn's had his jabs and he's been a little star, he's fast asleep in the car, I'm going to sit outside the house till he wakes up ~
"""

W["Kerry B"] += """
Jo, are you doing the tombola again at the fair? I've got a bag of stuff from Dan's mum's clear out, bath salts and a lot of ornaments, I'll drop it round
"""

W["Lisa M"] += """
Hiya, can you get Kai from nursery at 12 tomorrow? I'm on a 9 till 5 and my mum's at the hospital with her knee, I'll pay you back in biscuits
"""

W["Claire 34"] += """
Rob, don't forget Isla's got her school photo tomorrow, her hair needs doing and her cardigan's on the radiator, and Alfie's nursery fees are due Friday
"""

W["Kerry B"] += """
Hiya hun, are you going to the gates in the morning? Molly wants to walk in with Ellie, I'll knock for you at quarter to 9, don't be late, we'll get a coffee after
"""
W["Nicola"] += """
Paul, I'm going to be late, the meeting's running over and I've got to type up the notes, can you get Finn from nursery at 5.30 and start his tea? Fish fingers
"""
W["Lisa M"] += """
Kez, are you coming to the gates tomorrow? I'll be there at 3, Shaun's doing the tea so I can have a coffee with you after, I need to tell you about Saturday
"""
W["Joanne"] += """
Mark, Josh has been picked for the school team, the match is on Saturday at 10, can you ring him tonight and tell him well done? He's made up
"""
W["Gaz"] += """
nikki, i'm at your mum's, she says can you ring her, something about sunday dinner and whether riley's still not eating peas, i'm staying out of it $
"""
W["Lee T"] += """
stace, i'm going to be late, the job in chorley's run over and the customer wants it finished tonight, i'll get us a chippy on the way home, love you
"""
W["Emma D"] += """
Sarah, are you on Saturday? I've got a spare ticket for the Stereophonics at the arena, Chris has got a stag do, come with me, I'll drive if you drive next time
"""
W["Sarah J"] += """
Emma, can you swap my Sunday? Adam's mum wants us for dinner and I can't get out of it, I'll do your Wednesday night next week, I owe you big time
"""
W["Vicky"] += """
Kez, can you give me a lift to mum's on Sunday? Shane's working and I can't get the pushchair on the bus with all the shopping, I'll be ready at 12
"""

W["Kerry B"] += """
Vic, have you got that pushchair still? Dan's cousin's having twins and she's skint, I said I'd ask, she'll come and get it, she's got a Berlingo
"""
W["Nicola"] += """
Amber just asked me what a period is in front of your mother, in the middle of Marks and Spencer, I have never wanted the floor to swallow me up so much
"""
W["Lisa M"] += """
Kai's come home with a letter saying he's been swearing in the playground, I could have died, the teacher was all nicey nicey about it but I know what she was thinking
"""
W["Joanne"] += """
Ellie's been picked to be Mary in the nativity! She's over the moon, I've got to make a blue tea towel thing by Friday, I can't even sew a button on
"""
W["Gaz"] += """
nikki, riley's just told me you let him stay up for the end of the match on a school night, and you have a go at me, i'm saying nothing, see you at 6
"""
W["Lee T"] += """
stace, your mum's just rung me at work to ask if we've picked a name yet, i said no, she's suggested Gladys, i think she's winding me up, ring her
"""
