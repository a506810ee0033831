"""What the writers aged 26 to 40 text (marks as in corpus_young.py).

Each writer's fixed facts are in the note above their lines; a name in a
writer's lines belongs to that writer's circle alone.
"""

W = {}

# Kerry, 28: counter assistant at the chemist's, partner Dan (a roofer, has
# the van), daughter Molly (5) in reception, sister Vicky, mates Joanne and
# Lisa from the school gates; drives a red Micra.  Her sister and mates call
# her Kez.
W["Kerry B"] = """
Molly wont go to bed, 3rd time shes been down for a drink. Give me strength
Are you going to the school fair Saturday? Molly wants to do the tombola
Can you have Molly for an hour on Thursday? I've got the doctors
Just had a woman shout at me cos her prescription wasn't ready, like it's my fault
Can I borrow your slow cooker? Mine's packed in
Did you get the letter about nits? Molly's been scratching all night ^
Just got the bill for the car, £340, Dan's going to go spare
Lisa are you still ok to do the school run tomorrow? I'm on an early
Need a night out, I've not been out since your birthday
Can you pick up some Calpol on your way, Molly's burning up
Finished at 5, going to the gym, don't let me talk myself out of it
Hi hun, are you doing the cake stall? I'll make rocky road
Dan's been in the pub since 2 and now he wants his tea, he can whistle for it
Ok see you at the gates
Yeah go on then, just the one
What time do you finish? I'll come and get you
Hiya, how's your mum doing? Tell her I was asking after her
Miss you, hurry home, Molly's asleep and I've opened the wine ~
Sorry can't talk, Molly's in the bath
Are you still coming Saturday? Bring the baby, Molly's dying to see him
Love you, drive safe
Bloody car won't start again, can you take Molly in for me?
Yes please, milk and a loaf
Hey what are you wearing tonight? I've got nothing
Ok no worries
Oh no, is she ok? Ring me when you can
Thanks for tonight, I needed that. Same again next month?
"""

# Nicola, 33: HR at the council, husband Paul, daughter Amber (11), baby
# Finn (1), friend Rachel, runs on Sundays; drives the Focus, Paul cycles.
W["Nicola"] = """
Can you pick Amber up from Brownies at 7.30, I'm stuck in a meeting
Finn's got another tooth coming, we were up from 3. I'm running on coffee
Are you still on for Sunday? Park gates at 8, 5 miles
Have you paid the gas bill? They've sent a red one
Running late, can you put the oven on at 6, it's the lasagne in the fridge
Amber's got swimming at 5, her bag's on the stairs
Meeting finished early, I'll pick her up, don't worry
Hi, what time are you home? Finn won't settle and I'm losing the will
Yes, ring me after 8
Love you, sorry I was grumpy this morning
Have you got the car seat? I can't find it anywhere
Ok, see you at the gates at half 3
Can you get nappies on the way home, size 4, and wine
Hey are you free for lunch Thursday? I need a moan
Bloody nursery have rung again, Finn's got a temperature, can you get him? I've got a disciplinary at 2
Thanks for the flowers, you soft thing ~
Sorry, missed your call, in with my manager. What's up?
Yeah go on, I'll be ready in 10
Night, love you, don't stay up too late
How's the head this morning? ~
Won't be back till 7, there's pasta bake in the fridge
Is it your mum's on Sunday or next week? I've lost track
Just done 6 miles, I can't feel my legs
"""

# Lisa, 35: checkouts at Asda, kids Tayla (8) and Kai (4), ex Darren, new
# fella Shaun; friends Kerry and Joanne; no car, gets the bus or a lift.
W["Lisa M"] = """
Can you have Kai for half an hour, I'm on at 4 and Shaun's not back
Darren's not turned up again, Tayla's sat by the window with her bag packed ^
On my break, this woman had 47 tins of beans, I kid you not
Shaun's taking me out Saturday, can Tayla stay at yours?
Ok see you at the gates
Miss you babe, what time are you back?
Can you give me a lift to the big Tesco Saturday? I'll buy you a coffee
Darren's just text me, he wants the kids for Christmas, over my dead body
Yeah he's being a twat again, I'll tell you later
Love you, thanks for tonight ~
What time's the bus back from town? Mine's gone
Kai's wet the bed again, I'm on my third wash
Are you in? Need a brew and a moan
Hiya, did Tayla leave her cardigan at yours?
Ok babe
Crap, forgot it's non uniform day, can you lend Tayla a quid?
Just finished, my feet are killing me. Fancy chips?
Sorry, phone was on silent, everything ok?
Can't wait to see you tonight, the kids are at their nan's ~
"""

# Joanne, 38: dinner lady at St Peter's, husband Mark (a lorry driver, away
# nights), kids Ellie (9) and Josh (12), mates Kerry and Lisa; drives a
# Zafira.
W["Joanne"] = """
Mark's in Aberdeen till Thursday so it's beans on toast all week ~
Can you have Ellie after school Wednesday? I've got the dentist at 4
Josh has lost his PE kit again, that's the second one this term
Hi love, are you stopping over tonight or heading back?
Yes I'll do the cake stall, I'll do flapjacks
Ok, see you at the gates
Ellie's got nits again. Third time this term
Miss you, ring me when you stop, love you
Are you coming round for a brew later? I've got biscuits
Just had 200 kids through for fish fingers, I'm done in
Can you bring a bag of sugar tomorrow, I've run out
Josh wants to go to a party at the bowling, is your lad going?
What time are you back Friday? I'll do a curry
Oh bless her, tell her I said get well soon
Bloody Zafira's got a flat, can you give me a lift to work?
Yeah go on then
Thanks for today, you're a star
"""

# Claire, 34: solicitor, husband Rob (a joiner, has the van), kids Isla (6)
# and Alfie (3), dog Dexter, friend Emma from school; drives an Audi.
W["Claire 34"] = """
Can you take Dexter out at lunch? I'm in court all afternoon
Isla's got a temperature, nursery want her picked up, can you get her? I'm with a client till 3
Home by 7, Alfie needs a bath, there's chilli in the freezer
Running late, the hearing's dragging on
Have you booked the van in for its service? It's Thursday
Yes please, a large one, it's been a day
Ok, love you, drive safe
Can you get Alfie's prescription on the way home? It's at Boots
Did you remember Isla's reading book? Her teacher's on at me
Miss you, the kids are asleep, come home ~
Sorry, been in meetings all day. What's up?
Hi, are you free Friday night? Rob's got the kids
"""

# Emma, 29: nurse on ward 12 with Sarah, boyfriend Chris, flat in town,
# training for the Great North Run, Claire's friend from school; walks to
# the hospital.
W["Emma D"] = """
Just finished a 12 hour shift, I could sleep for a week
Chris is cooking tonight so I'll probably be on toast ~
Can you swap my Saturday? I'll do your Tuesday night
Did 8 miles this morning, my knees hate me
Miss you, home at 8, can you put the heating on?
Yes! What time?
Are you on tomorrow? Sister's in a foul mood so bring chocolate
Love you, night
Ok see you at the station at 7
Hi, how are you feeling? Any more kicks? ~
"""

# Sarah, 31: nurse on ward 12 with Emma, husband Adam, expecting their first
# baby in March; drives.
W["Sarah J"] = """
Scan went well, it's a boy!
Can you pick up some Rennies, heartburn from hell
Adam's put the cot together upside down ~
On my way, 10 mins
Thanks for covering me, I owe you big time
Miss you, hurry home, I want a cuddle
Ok, see you at 2
Off on the 1st, can't come soon enough
"""

# Vicky, 26: Kerry's little sister, baby Mason (7 months), boyfriend Shane;
# no car.
W["Vicky"] = """
Can you have Mason Saturday night? Shane's taking me out for my birthday ~
Mason's got a tooth! Finally
What time's mum doing dinner Sunday?
Ok, love you
Shane's fallen asleep on the sofa with Mason on him, they look so cute ~
"""

# Rachel, 37: accountant, divorced, son Harvey (10), friend Nicola; drives.
W["Rachel"] = """
Harvey's dad has let him down again, I could scream
Fancy a glass of wine Friday? I need to get out of the house
Ok see you at 8
"""

# Donna, 40: works at the launderette, son Bradley (16); no car.
W["Donna"] = """
Bradley where are you? It's gone 11
On till 6 then I'm home. There's a pizza in the freezer
Can you get me 20 Lambert and Butler on your way round
Ok love
"""

# Kelly, 30: on maternity leave, twins due in May, partner Gav.
W["Kelly P"] = """
Midwife says they're both head down ~ can't get off the sofa
Gav can you get more ice lollies on the way home please
"""

# Gaz, 33: mechanic at a garage, partner Nikki, son Riley (7), five-a-side
# on Thursdays with Dean and Lee, darts at the Feathers, United season
# ticket; drives a pick-up.  His mates call him Gazza.
W["Gaz"] = """
whats the score $
bring it in saturday and I'll have a look $
cant tonight, riley's got parents evening $
back at 6, what's for tea?
nikki can you pick riley up, stuck under a transit $
pint after? $
love you, sorry about last night
running late, some bloke's clutch has gone in the middle of the forecourt $
ok mate $
what time's kick off tomorrow? $
nikki where did you put the spare keys for the pick up
bollocks, forgot the darts money, can you sub me $
back in 20, need anything?
yeah go on $
can you ring the school, riley's forgot his dinner money again
shit result, 3 nil at home, don't talk to me $
just finished, home in 10
what did you say to her?
miss you, see you later
"""

# Lee, 29: electrician, Craig is his apprentice, partner Stacey, first baby
# due in June, five-a-side with Gaz and Dean; drives the works van.
W["Lee T"] = """
picking you up at 7.15, be ready this time $
stace you ok? ring me if anything happens, i'll come straight home
cant mate, got a job in Chorley all day $
job's finished early, pint? $
what did the midwife say?
love you, see you at 6
yeah sound $
craig you left the drill at the last job, you're paying for it if it's gone $
need anything from the shop?
running late, this job's a nightmare $
"""

# Paul, 35: IT manager, husband of Nicola, dad of Amber and Finn, cycles to
# work, mate Stuart from university.
W["Paul 35"] = """
Leaving now, back by 6.30
Server's down, going to be late, sorry
Yes, got the nappies
Amber, where are you? Your mum's worried
Love you too
Are we still on for Sunday ride? 8am at the lights?
Can't find the car seat, where did you put it?
Ok will do
Sorry, meeting overran, on my way
"""

# Rob, 37: joiner, husband of Claire, kids Isla and Alfie, dog Dexter; has
# the van.
W["Rob"] = """
on my way, stuck behind a tractor, 5 mins
finished early, i'll get the kids
love you, back about 6
van's booked in for thursday
"""

# Stuart, 40: teacher, cycles, Paul's mate from university, wife Jen.
W["Stuart"] = """
Ride Sunday? Weather looks ok
Got a puncture, go on without me
Yes, 8 at the lights
"""

# Jamie, 26: labourer, five-a-side with Gaz's lot, girlfriend Toni.
W["Jamie K"] = """
am i playing thursday or not $
cant mate skint $
"""

# ---------------------------------------------------------------- the longer texts

W["Kerry B"] += """
Hi hun, are you around tomorrow? I need to go into town for a dress for Saturday and I could do with a second opinion, I'll buy lunch
Molly's teacher has asked to see me after school, I'm sure it's about her biting that little boy, I'm dreading it
Dan's just rung, he's come off the ladder, he says he's fine but he's at A and E getting his wrist looked at, can you get Molly for me
Thank you so much for having Molly, she's had the best time, all she talks about is your dog, I think we're in trouble now ~
Sorry I went off on one last night, I was tired and Dan had been winding me up all day, it wasn't fair on you
"""

W["Nicola"] += """
Can you ring me when you get a minute? Amber's been in tears since school, something about Erin saying she's not her friend any more, I don't know what to do
Paul, reminder, your mum and dad are coming on Saturday at 1, I've booked the Harvester, please don't make any plans
Had the worst day, my boss has dumped a whole restructure on me and wants it by Friday. Fancy a glass of wine tonight when the kids are down?
"""

W["Lisa M"] += """
Hiya, can you do me a massive favour and pick Tayla up from school with yours? They've changed my shift again and I can't get back for 3
Shaun's asked me to move in with him, I don't know, it's only been 6 months and the kids have only just got used to him, what do you think?
Just had a row with Darren on the phone, he's saying I'm stopping him seeing the kids, he's not bothered to turn up 3 weeks in a row
"""

W["Joanne"] += """
Hiya love, Josh has got a temperature and I'm on at 11, can you have him for a couple of hours till Mark's mum gets here? He'll just sleep
Mark's home tonight for the first time in 2 weeks, I've got a bottle of wine in and the kids are going to his mum's ~
"""

W["Claire 34"] += """
Isla's been invited to a party on Saturday at the soft play, 2 till 4, can you take her? I've got the office all morning and I'll never get back in time
Are you still ok for Friday? Rob's got the kids so I'm all yours, thought we could try the new Thai place on the high street
"""

W["Emma D"] += """
Chris has only gone and booked us a weekend in York for my birthday! I have no idea how he sorted it with the rota but I'm not asking
"""

W["Sarah J"] += """
Just felt the baby kick for the first time, properly kick, I was sat on the bus and I nearly cried ~ can't wait to tell Adam
"""

W["Vicky"] += """
Kez can you lend me 20 quid till Friday, Mason needs nappies and Shane hasn't been paid yet, I'll pay you back I promise
"""

W["Rachel"] += """
Harvey's got his first football match on Saturday at 10, his dad says he's coming but I'm not holding my breath, can you come with me?
"""

W["Gaz"] += """
nikki can you ring the garage and tell them i'll be in at 10, riley's been sick in the car on the way to school and i need to clean it out
who's got the ball for thursday? last week's went over the fence and that bloke at number 12 won't give it back $
can't believe the ref, that was never a penalty in a million years, i'm still fuming, pint in the feathers after? $
"""

W["Lee T"] += """
stace i'm on my way home now, the job overran and the customer wouldn't stop talking, is everything ok? you've not replied
craig i'm outside your mum's, if you're not out in 2 minutes i'm going without you and you're walking $
just had the scan pics back, i can't believe it's real, going to be a dad, can't stop looking at them ~
mate the van's died on the motorway, can you pick us up from the services on the m6? we're by the costa $
"""

W["Paul 35"] += """
Nicola, got a flat on the way in so I'm walking the bike the rest of the way, will be late, can you do the nursery drop?
Stu, are you still up for the sportive in June? I've been on the turbo every night this week and I'm still slow
"""

W["Rob"] += """
claire i've got the kids from nursery and school, alfie's had a little accident so he's in his spare trousers, isla's fine
going to be late, the job's taken all day and the customer wants the kitchen finished before her mother in law comes on friday
"""

W["Stuart"] += """
Jen says can you and Nicola come for dinner on the 14th, about 7.30, nothing fancy, just a curry and a few beers
"""

W["Jamie K"] += """
toni can you pick me up from the site at 5, the lads have gone without me and i'm not walking in this $
"""

W["Donna"] += """
Bradley I've had the school on again, you've missed 3 days this week, I'm not having it, you're grounded when I get home
"""

W["Kerry B"] += """
Hiya hun, I know it's short notice but is there any chance you could have Molly Saturday afternoon? Dan's mum's in hospital and we need to go and see her, I'll owe you one
Just had the worst day, the pharmacist is off so I had a locum who didn't know where anything was and kept asking me, then a man fainted in the queue, I'm having wine
Dan's just told me his mum and dad want to come for Christmas, all of Christmas, from Christmas Eve to Boxing Day, I could cry, where am I going to put them?
Are you still up for the 14th? I've booked a table at the Italian for 7.30, there's 8 of us, and Dan says he'll drop us off and pick us up so we can all have a drink
Molly's been invited to a party at the Wacky Warehouse on Saturday, do you know what the mum's like? I don't want to just drop her off if I don't know anybody there
Thank you so much for the birthday card and the voucher, you shouldn't have, Molly made me breakfast in bed, it was burnt toast and a yoghurt but it made my day ~
"""

W["Nicola"] += """
Hi Rachel, sorry I haven't been in touch, it's been chaos, Finn's had an ear infection and Amber's been playing up at school, are you free Thursday? I could do with a catch up
Paul, can you take Amber to swimming tonight, I've got a meeting that's going to overrun, her bag's by the back door and she needs a pound for the locker, don't forget her goggles
Just got back from the run, 10k in 58 minutes, that's my best ever! My legs feel like jelly and I'm starving, can you put the kettle on and some toast
Rachel, are you ok? I've just heard about the court thing from your sister, I'm so sorry, ring me when you can or I'll come round tonight after the kids are in bed
Love you, thanks for today, I know I've been a nightmare lately with work, you've been brilliant with the kids, I'll make it up to you this weekend
"""

W["Lisa M"] += """
Hiya babe, are you coming to the gates tomorrow? I need to tell you what happened with Shaun last night, I can't put it in a text but it's good news ~
Kez, thank you for having Kai today, I know he's a handful, I'll have Molly any time you want, just say, you've saved my life this week
Shaun, can you pick up the kids from my mum's at 6, I've been asked to do an extra shift and we need the money, there's fish fingers in the freezer
Darren just turned up at the door drunk asking to see the kids, I've told him to go away and come back when he's sober, I'm shaking, can you come round?
"""

W["Joanne"] += """
Mark, Josh has got his school report, it's really good, he got a merit for maths and the teacher says he's a pleasure to have in the class, ring him tonight and tell him
Kez, did you hear about Lisa's ex turning up at the school? I'm worried about her, shall we take her out Friday? My treat, she could do with a laugh
Just done a double shift cos Maureen's off sick, 400 dinners and 200 puddings, my feet are killing me and I smell of gravy, I'm going to bed at 8
Ellie's been crying all night because her best friend is moving to Wales, I don't know what to say to her, any ideas? I'm no good at this stuff
"""

W["Claire 34"] += """
Rob, I've just been told I've got to go to Birmingham for a hearing on Thursday and Friday, can you sort the kids, your mum said she'd help, I'm so sorry
Emma, I'm so sorry about tonight, I've got a client in crisis and I can't leave the office, can we do next week? I'll pay for dinner to make up for it
Isla's just told me she wants to be a solicitor like me when she grows up, then she asked what a solicitor does, I said I talk to people, she said that's boring ~
"""

W["Emma D"] += """
Chris, I've been asked to stay on till 10, we're 2 nurses down and there's been an RTA, I'm so sorry about dinner, can you eat without me and I'll have it when I get in
Sarah, how did the scan go? Are you ok? Text me back when you get a chance, I'm on a break and I've been thinking about you all morning
"""

W["Sarah J"] += """
Emma, I'm not coming in today, I've been up all night with sickness, I've rung the ward but can you tell sister I'm sorry, I'll try and be in tomorrow
"""

W["Gaz"] += """
nikki i'm going to be late, we've had 3 mots come in at the last minute and the boss wants them done tonight, can you get riley from your mum's and i'll bring a chinese
mate, thursday is still on, i've booked the pitch from 7 till 8, tell dean and lee and anyone else you can find, we're short, need at least 10 $
nikki i know you're still mad about saturday but i'm sorry, i shouldn't have gone back to al's after, i'll take you out friday, just me and you
riley, dad's going to pick you up from school today, wait by the gate with your teacher, we're going to get your new football boots
"""

W["Lee T"] += """
stace, i've just been to see the bloke about the house and he says we can move in next month if we pay the deposit by friday, what do you think? it's got a garden
craig, tomorrow we're on the new builds at 7.30, bring your own dinner, there's no shops for miles and i'm not driving you to greggs again $
"""

W["Paul 35"] += """
Nicola, just been told I've got to go to the London office on Tuesday and Wednesday, I know it's bad timing with Finn being ill, can your mum help out? I'm so sorry
"""

W["Rachel"] += """
Nicola, thank you for tonight, I really needed it, I know I went on a bit about Harvey's dad but you're a good listener, same time next month, my treat
"""

W["Donna"] += """
Bradley, you'd better be at your dad's like you said, cos if I find out you've been at that party I'll be the one coming to pick you up in my slippers
"""

W["Kerry B"] += """
Yeah go on, but just the one, I'm on at 8 tomorrow and I can't face the chemist with a hangover
Miss you babe, can't wait for you to get home, Molly's at her nan's so it's just us tonight ~
This bloody car, that's the third time this month, Dan's going to have to look at it
"""

W["Nicola"] += """
Yeah fine, I'll do it
Missing you, can't wait to have you home, the bed's too big without you
Crap, forgot the nursery fees, can you pay them online tonight?
"""

W["Lisa M"] += """
Yeah I know, he's a knob, don't let him get to you
Can't stop thinking about Saturday, you make me so happy, love you ~
"""

W["Joanne"] += """
Yeah she's fine, just tired
Missing you loads, the bed's cold without you, come home safe, love you
"""

W["Claire 34"] += """
Yeah, ok
Can't wait to see you tonight, I've missed you this week, let's get a takeaway and an early night ~
"""

W["Emma D"] += """
Yeah, see you there
Can't wait to see you tonight gorgeous, I've got the whole weekend off and I'm all yours ~
"""

W["Vicky"] += """
Yeah he's fine now, just a bit grizzly
Miss you babe, hurry home, Mason's asleep and I've got the wine open ~
"""

W["Sarah J"] += """
Yeah, I'm fine, just tired and fat ~
"""

W["Gaz"] += """
yeah go on then $
miss you babe, can't wait to get home, riley in bed early tonight? ~
pissed off, the part's not come again, that's 3 days i've been waiting $
"""

W["Lee T"] += """
yeah nice one $
missing you, how are you feeling? i'll bring you some chips home, love you both ~
shit, forgot the ring for the boiler, can you go back for it? $
"""

W["Paul 35"] += """
Yeah fine
Miss you, can't wait to get home, it's been a long week
"""

W["Rob"] += """
yeah will do
"""

W["Rachel"] += """
Yeah, I know, I just needed to say it out loud
"""

W["Jamie K"] += """
yeah see you there $
"""

W["Kerry B"] += """
Dan, I know we had words this morning but I love you, I'm sorry I shouted, it's just been a shit week at work, let's get a takeaway tonight and start again
"""

W["Nicola"] += """
Paul, just wanted to say I love you, I know I've been a nightmare with all the work stuff, thank you for being so good with the kids, see you tonight
"""

W["Lisa M"] += """
Shaun, I can't stop thinking about you, last night was lovely, thank you for putting up with my mad kids, I'm lucky to have you, see you Friday
Darren's just cancelled again, that's the third time, I'm so pissed off, Tayla was sat by the door with her bag and I've had to tell her he's not coming
"""

W["Joanne"] += """
Bloody hell, the head's just told us they're cutting our hours after Easter, that's 30 quid a week less, I don't know how we're going to manage
"""

W["Emma D"] += """
Chris, just got in from work and found the flowers and the card on the table, you're the best, I love you so much, get home soon so I can say thank you properly ~
"""

W["Sarah J"] += """
Adam, I've just been sick in the staff toilet again, I'm so fed up of this, whoever said it stops at 12 weeks was a bloody liar, come and get me at 7
"""

W["Vicky"] += """
Shane, I love you, thanks for taking Mason out this morning so I could have a lie in, best present ever, see you later gorgeous ~
"""

W["Gaz"] += """
bloody hell nikki, i've just seen the gas bill, 200 quid for 3 months, have you had the heating on all day again? we'll talk later
"""

W["Lee T"] += """
stace, i love you, i know i'm rubbish at saying it but i'm so proud of you, you're going to be an amazing mum, see you at 6 gorgeous
"""

W["Jamie K"] += """
toni i'm sorry about last night, i shouldn't have gone out with the lads after footy, i'll take you for a meal saturday, love you
"""

W["Rachel"] += """
Bloody hell, Harvey's dad has only gone and booked him a holiday in Florida without asking me, it's in term time and I've not even got his passport
"""

W["Claire 34"] += """
Rob, sorry about this morning, I was stressed about court, you didn't deserve it, love you, I'll be home by 7 and I'll cook
"""

W["Kerry B"] += """
Lisa hun, I've been thinking about what you said about Darren, you don't owe him anything, the kids come first and you've done everything right, if he wants to take you to court let him try, you've got all the texts where he cancels, keep them, and ring me tonight if you want to talk, I'm in all night
"""

W["Gaz"] += """
nikki, i've had a word with the boss about the holiday and he says i can have the second week of august if i do the saturdays in july, so book the caravan, riley's going to go mental, and no arguing about your mum coming, she's not, that's final, love you
"""

W["Lisa M"] += """
Hiya, just to let you know the hearing's been put back to the 14th, my solicitor reckons Darren's lot are stalling because they know he hasn't got a leg to stand on, I'm so fed up with it all, I just want it over so the kids can get on with their lives, thanks for everything, I mean it
"""

W["Nicola"] += """
Rachel, I've had the worst week, my boss has put me in charge of the redundancies, I've got to sit across the table from people I've worked with for 8 years and tell them they've lost their jobs, I feel sick every morning, Paul's being lovely but he doesn't really get it, can we please go for a drink Friday?
"""

W["Kerry B"] += """
Dan, some bastard's keyed the car in the Asda car park, right down the side, I'm so upset I could scream, can you come and look at it when you finish?
"""

W["Lisa M"] += """
Bollocks, I've missed the last bus and it's pouring, any chance of a lift from the Asda car park? I'll buy you a drink Friday
"""

W["Gaz"] += """
bloke's just brought a van in with no brakes and said he drove it 40 miles like that, what an arse, wouldn't want to be in front of him on the motorway $
"""

W["Joanne"] += """
Missing you loads tonight Mark, the kids are asleep, it's raining and the house is so quiet, drive safe and ring me when you stop, I love you
"""

W["Nicola"] += """
Can't wait for tonight, babysitter's booked, table's booked and I've bought a new dress, you'd better be home on time Mr ~
"""

W["Emma D"] += """
Missing you so much Chris, this week of nights is killing me, I've hardly seen you, let's have a lazy Sunday in bed with the papers ~
"""

W["Vicky"] += """
Bloody Shane's gone to the match and left me with a teething baby and no nappies, I'm going to kill him when he gets home
"""

W["Lee T"] += """
craig, if you're late one more time i'm telling the gaffer, i'm not covering for you again, i mean it, it's taking the piss now $
"""

W["Rachel"] += """
Just had the best date, he's lovely, a bit shy but really funny, he's asked me out again next week, don't tell Harvey ~
"""

W["Sarah J"] += """
Adam, I love you, thank you for painting the nursery, it looks gorgeous, even if there's more yellow on you than on the walls ~
"""

W["Claire 34"] += """
Sorry, I've just lost a case I should have won, the judge was an idiot, I'm so pissed off, I'll be home late, don't wait up
"""

W["Gaz"] += """
back in 10
nikki, i'll be back late, the recovery truck's broken down on the bypass with a car on the back and i've got to go and get the both of them, save me some tea
love you, back soon
"""

W["Kerry B"] += """
Love you too babe
"""

W["Lisa M"] += """
Miss you already ~
"""


W["Kerry B"] += """
Off to Skegness on Saturday, caravan's booked, Dan's packing the windbreak, the buckets and spades and the cool box, Molly's packed nothing but her Barbies and a torch
"""

W["Nicola"] += """
Shopping list: Calpol, Sudocrem, wipes, fabric conditioner, cheddar, broccoli, 2 pints of semi skimmed, the Hovis seeded loaf not the cheap one, and a bottle of Pinot
"""

W["Joanne"] += """
Can you grab me a tin of Quality Street, wrapping paper and sellotape from Woolworths if you're passing? Josh's teacher's present and I've left it till the last minute as usual
"""

W["Claire 34"] += """
Dexter's rolled in fox poo on the common again, he stinks, I've hosed him down in the garden, can you pick up some dog shampoo from the vet's on your way home
"""

W["Gaz"] += """
nikki, pick up a tin of Swarfega, a pack of fuses and some WD40 from Halfords if you're near the retail park, i'll pay you back tonight, and some Jaffa Cakes for riley $
"""

W["Lee T"] += """
stace, the B and Q sale's on, laminate flooring half price, shall we do the nursery this weekend? your dad said he'd lend us his mitre saw and help with the skirting
"""

W["Lisa M"] += """
Tayla's been picked for the netball team, she needs a skort, a white polo shirt and trainers by Thursday, can we go to Matalan after you finish? I'll drive if Shaun lends us the Vectra
"""

W["Lisa M"] += """
Ffs, bus is late again
"""

W["Gaz"] += """
crap ref, crap game $
"""

W["Nicola"] += """
Finn's eaten a crayon. Purple. He's fine
"""

W["Claire 34"] += """
Dexter's chewed your slipper, sorry
"""

W["Kerry B"] += """
Parked outside Woolies, where are you?
"""

W["Emma D"] += """
Hospital canteen's run out of jacket potatoes, tragic
"""

W["Lee T"] += """
yeah, on my way $
"""

W["Joanne"] += """
Yeah he's back Friday
"""
