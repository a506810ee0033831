"""What the writers aged 26 to 40 text about (marks as in corpus_young.py)."""

W = {}

# Kerry, 28: daughter Molly (5) in reception, partner Dan (a roofer), sister
# Vicky, mates Joanne and Lisa from the school gates, works at the chemist's.
W["Kerry B"] = """
Molly wont go to bed, 3rd time shes been down for a drink. Give me strength
Went to the dentist, cant feel my lip, I keep dribbling ~
Dan's working up a ladder in this wind, I keep ringing him
Are you going to the school fair Sat? Molly wants to do the tombola
Vicky can you have Molly for an hour on Thurs, I've got a smear ^
Just had a woman shout at me because her prescription wasn't ready, like its my fault
Molly's got the part of a sheep in the nativity ~ she's gutted she isn't Mary
Dan's mum is coming for Sunday dinner so I'm cleaning like a mad woman
Can you lend me your slow cooker? Mine's packed in
Joanne did you get the letter about nits? Molly's head is crawling ^
Just got the bill for the car, £340, Dan's going to go spare
Off to Skeg on Saturday for the week, the caravan's booked
Molly said her first swear word today, guess where she got that from ~
Lisa are you still ok to do the school run tomorrow? I'm on an early
Need a night out, I've not been out since Vicky's 25th
Dan's proposed!!!!! In the chippy car park of all places, I said yes ~
Got 3 loads of washing on and it's started pouring
Molly's reading book is about a dog called Floppy, I've read it 40 times
Can you pick up a pack of Calpol on your way, Molly's burning up
Vicky, mum says are you coming for tea Sunday or not
Finished at 5, going to the gym, dont let me talk myself out of it
Lost my purse in Asda, some lovely old man handed it in
Joanne are you doing the cake stall? I'll make rocky road
Dan's been to the pub since 2 and now wants his tea, he can whistle for it
Night out on the 14th is on, I've told Dan he's babysitting ~
Molly has drawn me as a big circle with legs ~ thanks Molly
Need to start on the wedding, where do you even begin?
"""

# Nicola, 33: HR at the council, husband Paul (Paul 35), daughter Amber (11),
# baby Finn (1), friend Rachel, runs on Sundays.
W["Nicola"] = """
Paul can you pick Amber up from Brownies at 7.30, I'm stuck in a meeting
Finn has got his first tooth!! No wonder he's been so grumpy
Rachel are we still on for lunch on Friday? My treat, I owe you for the birthday
Just done 5k without stopping, first time ever ~
Can you get nappies and Calpol on the way home, we're out of both
Amber's parents evening went well, Mrs Kaur says she's a pleasure to teach
Your mum rang, she wants to know what we're doing for Christmas, can you ring her
I've booked the Lakes for half term, 3 nights in Keswick
Paul, Finn's been sick again, can you come home early?
Restructure meeting today, nobody knows if they've got a job
Amber wants to know if the tooth fairy does sterling or euros ~
Can't believe it's a year since Finn was born, where did that go?
Rachel, bottle of wine and a moan tonight? I'll bring the crisps
Paul you've taken my car keys again!!!
Finn's asleep, Amber's reading, I'm having a bath, do not disturb
Fancy a curry on Saturday? Mum's having the kids
Nursery want us to bring in a photo of Finn as a baby, he's still a baby ~
Leaving now, traffic looks horrendous on the ring road
Amber's swimming gala got moved to Thursday, can you do it? I'm in Leicester all day
Went to the tip, came back with a chair, don't ask ~
Paul have you paid the council tax? There's a red letter
Got the promotion!!! Senior HR adviser, we're having champagne tonight
"""

# Lisa, 35: works on the checkouts at Asda, kids Tayla (8) and Kai (4), ex
# Darren, new fella Shaun (Carl in the material; the generator renames him). Friends Kerry, Joanne.
W["Lisa M"] = """
darrens late with the money again and the kids need new shoes, im so fed up
can u do the school run 2moro kerry i start at 8
kai has stuck a bead up his nose, we are in a and e ^
tayla has told the whole class her dad lives in a caravan ~
carl is taking me to the harvester on friday, first proper date in 2 years
on checkouts all day, if i hear that beep again im gonna scream
can u lend me 10 till friday, the leccy has run out
kids are at darrens this weekend, fancy a drink?
kai wont eat anything thats green, including peas, grapes and his own bogies ~
tayla got picked for the school choir!!
carl has met the kids, kai told him he has a big nose ~
the boiler's gone again and the landlord wont answer his phone
got a bit of overtime so thats xmas sorted
im knackered, did 3 doubles this week
darren has just turned up at the door drunk, i didnt let him in
joanne u coming to zumba tues?
"""

# Joanne, 38: dinner lady at St Peter's, husband Mark (lorry driver), kids
# Ellie (9) and Josh (12), mates Kerry and Lisa.
W["Joanne"] = """
Mark are you back tonight or is it Tuesday? The kids are asking
Josh has got a detention for not doing his homework, you can deal with him
Ellie's been picked for the netball team!! Match Thursday after school
Kerry I'll meet you at the gate at 3, I've got your Tupperware
What a morning, the kitchen flooded and we still did 200 dinners
Mark, the car's making that noise again, I'm not driving it
Josh wants to go to Alton Towers for his birthday, I said we'll see
Just been to parents' evening, Ellie is a dream, Josh is a chatterbox, no change there
Are you coming to the Slimming World Christmas do? I'm going to eat everything ~
Lisa he's not worth it, you're better off without him
Ellie's lost a tooth and we've got no change for the tooth fairy ~
Mark can you ring me when you stop, I need to talk to you about your mum
Josh has dyed his hair with Ellie's felt tips ~
Have you got any spare raffle prizes for the school fair?
Lost 3lb this week!!
"""

# Claire, 34: solicitor, husband Rob (Rob), kids Isla (6) and Alfie (3),
# friend Emma from school, walks the dog Dexter.
W["Claire 34"] = """
Rob, can you collect Isla from ballet at 5? I've got a client running late
Alfie has potty trained himself, apparently because Isla told him to ~
Running 20 minutes late, court overran. Sorry
Emma are you free for a coffee Saturday? It's been ages
Dexter has eaten an entire tea towel. Vet says wait and see ^
Isla has been invited to 4 parties this month, we're going to be broke
Rob please remember the bins, it's recycling this week
Can you ring the builder? He still hasn't sent the quote
Finally finished the Henderson case, drinks on me
Alfie called the vicar "a man in a dress" ~ mortified
Isla's lost her book bag again, it'll be in the cloakroom
We've got tickets for Mamma Mia in March, are you and Rob in?
"""

# Emma, 29: nurse on ward 12 with Sarah, boyfriend Chris, lives in a flat in
# town, training for the Great North Run, Claire's friend.
W["Emma D"] = """
Sarah can you swap Saturday for my Tuesday? Chris has got a wedding
Just done a 13 hour shift, feet have gone numb
Chris is cooking tonight, be afraid ~
Great North Run place confirmed!! Help
Ward's been mental, 3 admissions in an hour and we were 2 down
Claire I'd love to, Saturday morning is good, 10ish?
Night shifts this week so I'll be a zombie
Sponsorship form is on the staff room board if anyone wants to sign
Chris has bought a PlayStation, I'm now single ~
"""

# Sarah, 31: nurse on ward 12 with Emma, husband Adam, expecting a baby.
W["Sarah J"] = """
Emma, yes I can swap, you owe me though ~
12 week scan today, everything's fine, due in August!!
Adam's painting the nursery yellow, I wanted green
Can't face coffee anymore, the smell makes me heave
Sister wants us in at 7 tomorrow for the audit
Adam's built the cot, there's 6 screws left over ~
Feet up, Strictly on, bliss
"""

# Vicky, 26: Kerry's little sister, baby Mason (7 months), boyfriend Jay.
W["Vicky"] = """
kerry can u have mason for an hour I need to go to the job centre
mason's rolling over now!! he rolled off the changing mat ^
jay's working away again, im climbing the walls
tell mum I'll be there sunday, jay's bringing the pudding ~
mason's 1st jab today, he screamed the place down
can I borrow ur travel cot for the weekend
"""

# Rachel, 37: Nicola's friend, accountant, divorced, son Harvey (10).
W["Rachel"] = """
Lunch Friday is perfect, the Italian on Bridge Street? 1 o'clock
Harvey's dad has cancelled again. Third time this month
Year end, I won't surface till April ~
Wine tonight sounds exactly what I need, see you at 8
"""

# Donna, 40: works at the launderette, son Bradley (16).
W["Donna"] = """
Bradley if ur not home by 10 ur grounded $
can u get me 20 b&h from the paper shop
"""

# Kelly, 30: on maternity leave, twins on the way.
W["Kelly P"] = """
Its twins!!!! I actually screamed in the scan room ~
Cant get off the sofa, send help and biscuits
"""

# Gaz, 33: mechanic at a garage, partner Nikki, son Riley (7).  Five-a-side with Dean
# and Lee on Thursdays, pub the Feathers, United season ticket.
W["Gaz"] = """
footy thurs 7 oclock, tell dean to bring the bibs back
nikki wants me to go to her mums for tea, I'll be back for the second half
riley's got his first match on sat, come and watch if ur about
cant, got a clutch to do by 5
ur car is ready mate, new tyres and a service, £180
feathers at 8? its darts night
nikki's left me a list of jobs as long as my arm ~
riley scored!!! from a corner, my lad ~
lee you still owe me for the taxi
2 tickets for saturday, u in? I'll pick u up at 1
back ache is killing me, been under a van all day
dont tell nikki I lost 20 quid on the horses
been stuck on the m62 for an hour, going nowhere
dean ur playing in goal, no arguing
"""

# Lee, 29: electrician, Craig is his apprentice, partner Sam,
# new baby on the way, plays five-a-side with Gaz and Dean.
W["Lee T"] = """
craig be ready at 7, we are in Halifax today
sam's waters have gone!!! on way to hospital
its a boy!!! 8lb 4oz, both fine, im a dad ~
cant make footy, babys got colic and sam will kill me
rewiring a house in this weather, freezing my bits off
craig forgot the van keys so we've lost an hour $
wetting the baby's head friday, feathers from 7
"""

# Paul, 35: IT manager, husband of Nicola, dad of Amber and Finn, cycles,
# mate Stuart from university.
W["Paul 35"] = """
On my way, will get Amber. Do we need anything?
Server's gone down, going to be late, sorry. Save me some tea
Stuart, still on for the ride Sunday? 8am at the lights
Finn's asleep on me and I can't move my arm ~
Got nappies and Calpol, on my way
Yes, paid it last night, the letter must have crossed
Well done!!! So proud of you. Champagne's in the fridge
Amber says the tooth fairy should pay in chocolate ~
Tyre blew on the A6, waiting for the AA
"""

# Rob, 37: joiner, husband of Claire, kids Isla and Alfie, dog Dexter.
W["Rob"] = """
got isla, she did a pirouette in the car park ~
bins done
dexter's brought up a corner of the tea towel, panic over
late finish, job in Hebden, back about 7
"""

# Stuart, 40: Paul's mate, teacher, cycles.
W["Stuart"] = """
Sunday's on, 8 sharp. Don't forget your pump this time ~
Knee's playing up, may have to do the short route
"""

# Jamie, 26: labourer, plays five-a-side.
W["Jamie K"] = """
cant make it lads, working in Bradford till 8
who's got my boots?
"""

# ---------------------------------------------------------------- longer ones

W["Kerry B"] += """
Vicky, I know you're skint but you can't keep asking mum for money, she's got nothing either, come round tomorrow and we'll sort out your budget
Dan's come home with a dog. A DOG. He says his mate couldn't keep it and it was going to the pound, it's already eaten Molly's Barbie ~
Change of plan for Saturday, Dan's got a job on so I've got Molly, can we do the park instead of town? She can go on the swings and we can have a natter
Joanne, I've just been told off by Molly's teacher for being late to pick her up, I was 2 minutes late, I felt like I was 6 again ^
Did you see Lisa at the gate yesterday? She looked shattered, I'm worried about her, that Darren's a waste of space
Dan you better not be in the pub, I can hear the fruit machine in the background when you ring me ~
"""

W["Nicola"] += """
Paul, I've had a terrible day, the restructure's been announced and my whole team are in tears, please pick up a bottle of wine on the way home and don't ask
Rachel, just to warn you, Amber has told Harvey's class that you're getting married, I have no idea where she got that from but I'm so sorry ~
We've been to look at that school for Amber, Paul liked it, I didn't, we had a row in the car park, now we're both sulking
Mum, thanks for having the kids, Finn says his first word was Nana, which is typical, I've been saying Mummy to him for a year ~
"""

W["Lisa M"] += """
kerry thanks for last night, I needed that, I know I was crying a lot but I feel better for talking, ur a good friend and I owe u a bottle of wine
carl has asked me to move in with him, I said I need to think about the kids first, but I think im going to say yes, dont tell anyone yet
darren has just text me saying he wants the kids every weekend now, he cant even have them one weekend a month without letting them down
had a row with my manager about the christmas rota, im working christmas eve and boxing day again and she's off both, its not fair
"""

W["Joanne"] += """
Mark, your mum's been on the phone for an hour about the caravan, I've said we'll talk about it when you're home, but she wants an answer by Friday
Kerry, guess who got told off by the head for giving the kids extra chips? Me. Worth it though, it was snowing and they were frozen ~
Josh has asked for a mobile phone for his birthday, he's 12, I said when he can keep his room tidy for a week, so never basically
"""

W["Claire 34"] += """
Rob, your mother has just rung to tell me how to make gravy. I have been making gravy for 15 years. I said thank you very much.
Emma, how did the run go?? You're a legend, I'd have given up at the first hill, I couldn't run for a bus
Isla's just asked why Daddy's got no hair on top ~ I told her to ask you tonight, good luck with that one
"""

W["Emma D"] += """
Sarah I've just had the worst night shift of my life, a man in bed 6 tried to escape in his gown and we chased him down the corridor ~
Chris has booked us a weekend in York for my birthday and he's actually done it all himself, I'm in shock, I might marry him
Claire I've finished!!! 2 hours 12 minutes, I can't feel my legs but I did it, thank you for sponsoring me
"""

W["Sarah J"] += """
Emma, Adam's mum has bought the pram without asking us, it's the size of a tank and I can't get it through the front door ~
Had the midwife today, she says the baby's head is down and everything looks fine, still 6 weeks to go and I'm the size of a house
"""

W["Gaz"] += """
dean if u r back for footy on thurs bring the bibs back, u have had them 3 weeks and nikki says they're starting to smell in ur car
lee your mrs rang nikki, she says ur not allowed out till the baby sleeps through, so see u in about 5 years ~
nikki I'm going to be late back, the van's broke down on the way back from the job and I'm waiting for big al to come and tow me
riley's coach says he's got a trial for the academy!!! cant believe it, my lad, I'm welling up here ~
ring me back when u get this, I need to know if the part has come in for ur car, else its another week
dean the goose is ready, new exhaust and a belt, u can pick it up after 5, no honking ~
"""

W["Lee T"] += """
gaz mate im knackered, the baby was up 4 times last night and sam made me do 3 of them, I fell asleep on the van roof at dinner
craig I know its cold but we've got to get this kitchen wired by friday, bring a flask and stop moaning
sam says thank you for the flowers and the babygrow, she says its the nicest one we've got, the rest are all from her mam
cant believe hes 3 months already, he laughed at me today, or it was wind, sam says wind ~
wetting the baby's head was a mistake, I've got the worst head and sam is not talking to me, send help and bacon
"""

W["Paul 35"] += """
Stuart, the ride's off on Sunday, Nicola's got a work thing and I've got both kids, unless you fancy pushing a pram up the hills ~
Amber's school report came today, she's top in maths and science and the teacher says she's very chatty, I wonder where she gets that from
Nicola, sorry about the school thing yesterday, I was being stubborn, we'll go and look at the other one together on Tuesday
"""

W["Rob"] += """
claire my mum says sorry about the gravy and can she come for dinner on sunday, I said yes before I thought, sorry
got the job at the hotel, 3 months work fitting all the doors, so we can book that holiday now
"""

W["Stuart"] += """
Paul, fair enough, we'll do the week after. I'm going to go out on my own anyway, the new wheels need breaking in.
Had a lovely ride, 52 miles in the end, the cafe at the top had run out of cake which was a tragedy ~
"""

W["Jamie K"] += """
gaz sorry for missing footy again, the boss keeps me late every night, I'll be there next week defo
"""

W["Vicky"] += """
jay's just rang and he's not coming home till friday now, that's 2 weeks on my own with mason and he's teething, I'm going to cry
"""

W["Donna"] += """
Bradley your dinner is in the microwave, 3 minutes, and don't leave the plate on the side again, I'm not your maid
Got a new job at the big launderette on the high street, more money and no more early starts, can't wait
"""

W["Kerry B"] += """
Vicky can u do me a massive favour and have Molly on Sat from 2 till 6, me and Dan want to go and look at the hall for the do, I'll get u a takeaway after x
Joanne I'm at the gate, where are u? Molly's in a right mood cos she lost her reading book and I've got 20 mins to get to work, can u take her in for me
"""
W["Nicola"] += """
Paul I'm at Mum's with the kids, she's doing us tea so don't cook, can u get Amber's PE kit out of the dryer and put it in her bag for the morning, ta x
"""
W["Lisa M"] += """
kerry can u have the kids for an hour after school, I've got to go and see the landlord about the boiler again, he's been round twice and it's still not on, I'm sick of it
"""
W["Gaz"] += """
lads footy is off tonight, the pitch is frozen and the bloke at the centre says we can have next week for free, so its the feathers instead, I'll be in from 8, dean its ur round
nikki I'm on my way back now, got the chips, do u want a fishcake as well or just the fish? and riley says can he have a battered sausage, I said ask ur mum
"""
W["Lee T"] += """
craig I'll pick u up at 7 at the end of ur road, don't be late again or I'm going without u, and bring ur own dinner today, I'm not buying u a pasty every day
"""

W["Kerry B"] += """
Molly's asleep at last ~
Dan's stuck at work again
Vicky ring me back now
At the chemist, 5 mins
"""
W["Nicola"] += """
Finn's asleep, don't ring the bell
Stuck on the ring road, sorry
Amber's at Erin's till 6
"""
W["Lisa M"] += """
on checkouts till 6 babe
kids r in bed, come round
"""
W["Joanne"] += """
Mark, ring me when you stop
Ellie won the netball!!
"""
W["Gaz"] += """
ill be back in 10
bring it bk tomorrow
at the garage till 6
"""
W["Lee T"] += """
baby's asleep, dont ring
on way, 10 mins
"""
W["Claire 34"] += """
Court's run over, sorry!
Isla's asleep in the car ~
"""
W["Emma D"] += """
On nights, ring after 12
"""
W["Paul 35"] += """
Leaving now, 20 mins
"""

W["Kerry B"] += """
Joanne you will never guess what, Dan has booked the registry office for the 12th of May and the Red Lion for after, he did it all on his own without telling me, I'm in shock, will you be my bridesmaid? x
"""
W["Nicola"] += """
Rachel, I'm so sorry I had to cancel lunch, Finn's been up all night with a temperature and the nursery won't have him, can we do next Friday instead? I'll pay, and I'll buy the pudding as well x
"""
W["Lisa M"] += """
joanne I've said yes to carl, me and the kids are moving in with him at the end of the month, kai has already asked if he can have the big bedroom and tayla wants to paint hers purple, I'm scared but happy x
"""
W["Gaz"] += """
nikki I'm sorry about last night, I shouldn't have gone to the feathers after the match, I know I said I'd be back for tea, I'll take u and riley to the harvester on sunday to make up for it, promise
"""
