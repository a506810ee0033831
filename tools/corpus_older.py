"""What the writers aged 41 and over text (marks as in corpus_young.py).

Each writer's fixed facts are in the note above their lines; a name in a
writer's lines belongs to that writer's circle alone, and a dialect word to
the writer's region.
"""

W = {}

# ---------------------------------------------------------------- 41 to 60

# Julie, 45, Stockport: receptionist at the dentist's, husband Dave (a
# plasterer, has the van), daughter Chloe (14), son Kieran (9), her dad Ken
# (Grandad Ken, widowed, no longer drives), dog Bonnie, sister Lyn in Spain,
# friend Tracey who cleans at the surgery; drives a Corsa.  Friends call
# her Jules.
W["Julie"] = """
Can you get Kieran from football at 5, I'm not finished till half past, and he'll want his tea straight away, there's pie in the fridge
Are you home for tea? Sausage and mash
+Where are you? You said 9 and it's nearly 10, ring me now
Ok love, see you later
I'll be round at 2 for the doctors, have your letter ready
Bread and milk on your way home please
Mrs Patel in agony with an abscess, poor thing
Is Bonnie with you? She's not in the garden
Yes fine
Hiya Lyn, how's the weather over there? Chucking it down here
Don't work too late
Running late, can you put the oven on at 6
PE bag's on the side again, can you drop it in on your way past the school?
Tea's at 6 and I want you home for it, no excuses
Thanks love, you're a star
Still ok for Saturday? He says he'll drive
+Can you ring me when you get a minute, nothing urgent
Yes I'll get it, what size?
Coffee Thursday after work? My treat
Washing machine's leaking again, there's water all over the kitchen floor and the towels are soaked, can you look at it when you're in
£45 for the school trip, they must think we're made of money
Where's the remote? He swears he hasn't had it
Ok, I'll pick her up, you stay there
Home in 10, put the kettle on
You sounded tired on the phone, are you alright?
Can't talk, banking, ring you at dinner
Good luck tomorrow, you'll be fine
He says thanks for the beer ~
No more sausages from your dad, vet says she's on a diet
Yes please, the big bag
Dance show on the 9th, are you coming?
See you tonight
Haha he never did ~
Kieran's been sick, kept him off, Calpol on your way back please
Dad's birthday Sunday, I've got a card, just sign it
Lyn's phone's going straight to answerphone, can you try her?
Ok no problem
Oh no, what happened?
Van's blocking next door in again, they've been round
Bit of a funny turn, he's fine now, doctor says blood pressure, I'll ring you tonight
+School say you weren't in registration, where are you? Ring me the minute you get this
Turkey's paid for at the butchers, it's under Dave's name, and a bag of sprouts
Paige's mum says you told her I said you could stay Saturday. I did not
He keeps asking when you're coming over, can you get a flight in the summer? Love to Mal and the kids
Bonnie's teeth, £180, I told them go ahead, don't go mad
He's been telling everyone about the potatoes, you've got a gardener for life there
+Love you, sorry about this morning ~
+Yeah ok love
+Love you too
Bonnie's worming tablets, King Edwards, Bisto and a leg of lamb from Church Street please, your mum's coming Sunday
Money's on your phone, don't spend it all texting Paige
"""

# Karen, 48, Cheltenham: deputy head at a primary school, husband Alan,
# children Hannah (19, at university in Bristol) and Sam (16), mum Margaret
# (widowed, no longer drives), aunt Jean, book club with Angela and Carol;
# drives.
W["Karen 48"] = """
Can you collect Sam from rugby at 6, governors till 8
Did the parcel come? There's a cake in it, eat it before it goes off
Ofsted call, don't wait for me for tea, there's soup in the fridge and bread in the bin, I'll be in by 8 if I'm lucky
Book club here Thursday, I'll do the nibbles
Home by 11 and not a minute later
Did you ring the doctor back? They said it was important
Yes, fine
+How did the exam go? Ring me tonight if you can
Home at 6.30, can you put the potatoes on
Have you finished it yet? I'm on the last chapter
Thank you love, see you later
Have you got your key? I'm not back till late
Christmas concert again, someone save me
Lunch club Wednesday, I'll drop you at 12
Can you ring Jean? She says your phone's off again
Bins
Sorry, can't talk, parents
Do you want us to come down for your birthday or are you going out?
See you at the weekend
Have you heard from Sam? He's not answering
Ok, I'll sort it in the morning
What did you think of the ending? I'm still cross about it, all that and then he just walks off into the sea, I wanted my money back
Your prescription's in the kitchen drawer
Sam will come round Thursday and carry the heavy bags, please let him
Can't make Thursday after all, parents evening I'd forgotten, the week after?
I've had a phone call from Mrs Birch about your coursework. We'll talk tonight. Don't go out
Jean, she's on antibiotics and much brighter today, I'll bring her over Sunday
Year 6 disco, I'll eat there, pie in the freezer for you and Sam
Please don't go up the ladder, wait for Alan on Saturday, I mean it
Dishwasher's making that noise again
Have you registered with a doctor yet? You promised
Thank you for coming to the concert, especially the bit where the recorders got lost
Out until 1 when you were supposedly revising at Ethan's. Very disappointed. Tonight
Governors have moved, can we do Thursday instead? I've actually read it this time
A jumper, tea bags and Grandma's flapjack, don't let them eat it all
+Whatever you decide we're behind you. If you want to change to history, change. Ring me tonight, I'll be up marking
Kate Atkinson next month, Carol's bought three copies from Oxfam so don't buy it
Your library books are overdue
+Bloody Ofsted
"""

# Tracey, 42, Stockport: cleaner (offices, and the dentist's where Julie
# works), partner Wayne, son Jordan (14), daughter Leah (7), mum is Nan
# Pat, friend Julie; no car, gets lifts and the bus.
W["Tracey"] = """
Where are you? Tea's on the table
Can you have Leah after school Tuesday, offices till 6, she can have her tea with you, just don't let her talk you into the ice cream van
Can you get Jordan from footy at 5
Can I borrow your steam cleaner Saturday?
Ok love, see you later
Can you keep an eye on Leah while I'm at work, she's got a temperature
If you're going to Mikey's you text me when you get there, I mean it
Yes please Jules, a lift would be a godsend
Done his back again lifting a telly, useless
Home in 20, put the chips in
Lend us a tenner till Friday? Skint
Thanks for the lift love
School's been on the phone, you'd better have a good excuse
Tea Sunday? Leah wants to show you her dance
Bus hasn't turned up, again
+Love you, night
The house is a tip and Leah's had nothing but biscuits, where are you? You said you'd be here
I start Monday, mornings before you open, thank you for putting a word in
If you can play football on a Saturday you can do PE on a Tuesday
+Yeah go on, I'll do the chips
Kids are at Mum's ~
You told me you'd paid that catalogue off, I can't even look at you
Some girl said her hair looked stupid, can you have a word, she listens to you
Your coach rang, best on the pitch, proud of you
£12 for the big photo, daylight robbery but she looks lovely
Not home by 9, no match Saturday, no arguments
Tonsillitis, can you keep her tomorrow, I can't miss another day
Back door open again and the cat's had the ham
Argos have got the trampoline in the sale, he says we've nowhere to put it, I'm getting it anyway
+Yeah, ask your nan
+Ring me, it's about Saturday
"""

# Linda, 55, Derby: library assistant, husband Derek (retired, drives),
# daughter Sharon in Australia with Mia and Tyler, sister Jackie.
W["Linda"] = """
Can you pick me up at 5, it's pouring
+Just seen the photos, Mia's grown so much. Big hug from Nanna
Ok, see you at 2
Have you rung the plumber? The tap's still dripping
10.30 tomorrow, don't forget
Thank you love
Home by 6, there's a pie in the fridge, the potatoes are peeled, put them on at half five and don't let them boil dry
What time is it there? I'll ring you Sunday morning your evening
Yes please, a bag of sugar and the paper
Flights booked! March 12th, I can't believe we're coming
Your sister rang, can you ring her back
+Happy birthday Tyler, Nanna and Grandad love you
Picked for the choir, at the opera house? I'm so proud I could burst
At the hospital with Jackie, they've kept her in, can you feed the cat and ring Ray
Thank you for coming with me today, we'll get through this like we always have
The calendar is beautiful, it's up in the kitchen, your dad keeps looking at it
Do you want me to come Thursday? I can get the afternoon off, Margaret owes me, and I'll drive so Ray can stay at home
Mia's drawing is on the fridge, is that me with the big hair?
Choir tonight, soup in the fridge, don't burn the pan, and if Jackie rings tell her I'll ring back after nine, she'll only keep you talking
Did they film the play? Can you send it on a disc, your dad wants to see Tyler being a sheep, he's told everyone at the club
Good news, going round there now, back about 8
The flowers are on the table, you shouldn't have
Hedge trimmer's in the greenhouse
"""

# Sue, 52, Durham: maths teacher, Geordie born and bred, husband Martin,
# daughter Lauren (21, at Leeds), son Ollie (17), her mum Nanna Dot in a
# home; drives.
W["Sue H"] = """
Can you get Ollie at 9, marking till late
Where are you? You said 10
Ok pet, speak tomorrow
Going to see Mum after school, back about 6, can you put the chicken in at half 5 and make sure Ollie does his homework
Have you eaten anything other than toast this week?
Posted, should be there tomorrow
+Love you pet, ring me Sunday
Mum's had a good day, she knew who I was
£20 in your account, don't spend it all at once
Can you get Lauren's train tickets? The website won't let me
Half 11 and he's not home or answering, I'm driving round to his mate's, text me if he comes in
Nanna was asking about you, she remembered you were at university, she'd love a card
One exam isn't the end of the world, we're proud of you whatever
Department meeting's gone on forever, can you get Ollie from the station at 6
She thinks you're still at school, I didn't have the heart to tell her
"""

# Debbie, 45, Wakefield: care assistant at Willow Court with Mandy,
# daughter Jess (15), son Connor (20), partner Kev; an old Polo.
W["Debbie"] = """
Home by 9, I mean it
Running late, one of the residents had a fall
Ok love
Yes she's fine, just a cold
Did you take my phone charger?
+Nights again this week, bloody rota
See you in the morning
Home at 3, put the washing in
Dinner's in the microwave, 3 minutes
She says she'll look at it again, don't get your hopes up
Someone's called in sick, make sure Connor eats summat that isn't crisps
£20 for your train fare, not beer
+Yeah she's fine now, thanks for asking
+Yeah, tell him 6
"""

# Angela, 48, Cheltenham: pharmacist, husband Graham, son Will at
# university in Durham, book club with Karen and Carol, tennis on Tuesdays.
W["Angela"] = """
Did you get the money? Don't spend it all in the bar
Can you get the fish for tonight, not finished till 7, the haddock not the cod, and a lemon, and don't let him give you the ends
Tennis is off, the courts are flooded
Ok, see you at 8
Halfway through and I can't put it down, I was up till 1 last night, don't tell me what happens, Carol nearly did
Your golf clubs are still in the hall
Yes, Thursday suits me
Drive carefully
Ring your father, it's his birthday
Home by 6.30
Had to sit in the car for 10 minutes before I could go in, I can't believe she did that to him
Can you ring the plumber in the morning? That noise again
"""

# Mandy, 42, Wakefield: care assistant at Willow Court with Debbie, husband
# Terry, lads Dylan (15) and Jake (12), friend Trish; drives.
W["Mandy"] = """
Have you seen the rota? She's done it again
Where are you? It's gone 10
Can you get Jake from football
+Ok hun see you at 7
Knackered, double shift, bed
Window's gone, football, he's going to kill him
Yes, I'll do your Sunday if you do my Wednesday
Home soon
+Oh hun, just heard about your mum, I can have the kids Saturday
+Yeah I know, what a cow
"""

# Jackie, 52, Derby: Linda's sister, dinner lady at the junior school,
# husband Ray.
W["Jackie"] = """
All clear! Thank God
Ok see you at 2
He's gone fishing again, house to myself ~
Yes please, pick me up at 10
He's been a big kid all day with his card, Toby tonight
"""

# Carol, 55, Cheltenham: retired accountant, book club with Karen and
# Angela, goes to the theatre; widowed.
W["Carol B"] = """
Row F for the 18th
Book club here next month, I'll do a lasagne, and I'm choosing this time, nothing with a dead child in it, I can't take another one
Yes, see you there
So sorry about your mum, I'm only round the corner
"""

# Dave, 42, Stockport: plasterer (has the van), Julie's husband, Chloe and
# Kieran's dad, Ken's son-in-law, mate of Gaz, supports City, five-a-side
# for the over 40s.
W["Dave 42"] = """
on my way, 20 mins
finished at 4, want anything?
cant get kieran, stuck on the ring road
where are you? your mum's going spare
see you later
what's for tea?
ok
wants a lift to the allotment saturday, can you do it?
stuck at the tip, queue's a mile long, going to be late
+yeah fine
running late, job's taken longer than i thought
training's cancelled, i'll get you at 3.30
home in 10
did you ring the gas man?
city won 2 1! ~
your mum and me are out tonight, you're in charge of kieran, no boys round
on that computer till 2 again and it's going in the loft
+yeah fine love
+love you too
happy anniversary, 18 years, table's booked for 8, wear the blue one
skip friday, tiles from topps, plumber tuesday, your dad's bringing his trowel whether we like it or not
+fwd: what do you call a man with a spade on his head? doug. what about without? douglas $
"""

# Steve, 48, Walsall: warehouse manager, wife Sandra, son Ryan (17, a
# learner), darts with Mick; drives a Mondeo.
W["Steve"] = """
Lesson's moved to Thursday, instructor rang
Working late, don't wait up
Darts Friday? $
Ok bab
Where are you? Your mum's worried
Home by 6
Paracetamol please, my back's gone
Yes fine
20 of the lads going end of the month, not me, but Mick's lad is on the list, don't say anything to Brenda
He reckons March if you keep practising, Saturday and Sunday, you drive
"""

# Mick, 55, Walsall: taxi driver, wife Brenda, grandson Kaden, darts with
# Steve.
W["Mick"] = """
Darts Friday, you're driving $
Ok bab
Airport run $
Took him to the football, he's been a star, ate two pies and sang all the songs, even the rude one, don't tell his mum
Home in 10
Bacon sandwich at the station, want anything? Home about 2
4am airport run so I'm in the spare room, don't set the alarm
Ar, go on then
"""

# Pete, 45: secondary school teacher, cycling, wife Liz.
W["Pete W"] = """
Home about 6, parents evening ran over
Ride Saturday? 9 at the lights $
Ok, see you later
Looks wet Saturday, short loop? $
Milk please, and the bread's gone mouldy, I'll cook if you shop
+Bloody parents evening
"""

# Ian, 52: engineer, golf with Graham.
W["Ian"] = """
Tee booked for 8.10 Saturday $
Can't Saturday, she's booked a weekend away, news to me $
"""

# Graham, 48, Cheltenham: Angela's husband, golf with Ian.
W["Graham"] = """
At the club, home about 4, want anything? Ian lost again, he's buying the drinks and sulking, I'll tell you later
"""

# ---------------------------------------------------------------- 61 and over

# Nan Pat, 67, Stockport: Tracey's mum, husband Ron, grandchildren Jordan
# and Leah, bingo on Thursdays, Blackpool every summer; Ron drives.
W["Nan Pat"] = """
Hello love, are you coming for tea Sunday? I'm doing a chicken and Ron's made one of his trifles, tell Wayne there's plenty
Ron will pick Leah up from school Tuesday
Jordan your tea is in the oven, Nan has gone to bingo, Grandad is asleep in the chair
Won £15 on the last house
Thank you for the flowers love, they're lovely
Ok love. See you Sunday
Ron's got a cold so we won't come round, don't want to give it to the little one
What size is Leah now? I've seen a lovely coat in the market
Well done on your goal, your Grandad told me
Are you alright love? You sounded tired on the phone
Booked Blackpool for August, same hotel
Yes please love
Leah can stay Saturday if you want to go out
+Have you got a minute? Ring me when you're home
You know where I am if you need me, Ron says the same
Nan is so pleased you came Saturday, you're a good lad
Ron's had his eye done, it went fine, we'll come Sunday when he can see again
Ron will bring the kids round Sunday, he's got something for Jordan from the car boot, a football shirt, signed he says
Just my knee, they're sending me for physio, don't fuss
Are you alright for money this week? Don't be proud
Can you come Saturday and help Grandad with the shed? The roof's gone again and he won't be told he's too old for ladders
Saw Wayne in the market, tell him he owes me a visit
Bag of clothes for Leah on your step, some still had the labels on, there's a lovely red coat in there for the winter, tell her it's from Nanny
Nan is proud of u love, your mum told me about your report
+Back from the hospital, it went fine, don't worry, ring me later
Have u got your bus pass? Your mum says you lost it again
2 pinafores, 3 cardigans and black patent shoes from the jumble, 50p the lot
"""

# Margaret, 70, Cheltenham: widow (her late husband Frank), daughter
# Karen, sister Jean, grandchildren Hannah and Sam, church and the lunch
# club; no car.
W["Margaret"] = """
Thank you for lunch love, it was lovely.
Jean has had her hip done, she's doing well.
Happy birthday darling. There's a card in the post.
Yes. See you at 10.
The man came about the boiler, it's working now.
+Could you ring me when you get a minute.
Church is at 11 on Sunday, not 10.30.
Ok love.
Thank you for coming round, the tap is fixed.
I can't find my glasses, did I leave them in your car? I've looked everywhere and I can't read the paper, which is a mercy some days.
Water tablets are the little yellow ones now, I don't like the look of them. Should I take them?
A letter from the council about my bins, I don't understand it, could you look on Sunday?
Well done darling, your mother says you did well in your exams.
My bus pass has run out, do I have to go to the post office for a new one or do they send it? I don't want to stand in that queue for nothing.
Thank you for your letter. Look after yourself.
Jean says thank you for Thursday, the doctor is pleased with her.
"""

# Auntie Jean, 67, Cheltenham: Margaret's sister, husband Bill, Karen's aunt.
W["Auntie Jean"] = """
Bill says thank you for the lift love.
Walking to the shops now.
Yes, see you Sunday.
Which Saturday suits your mother? Bill and I would like to take her out for her birthday.
The flowers are beautiful, you shouldn't have. Love to Alan.
Church Sunday? Bill will pick you up at half past ten. Wear your good coat, it's the harvest one and the Bishop's coming.
"""

# Grandad Ken, 70, Stockport: Julie's dad, widower (Joan), grandchildren
# Chloe and Kieran, allotment, bowls on Wednesdays, bus pass (gave up
# driving); writes in capitals now and then.
W["Grandad Ken"] = """
Can you take me to the doctors on Thursday?
Bowls is off, rain.
Well done at football son.
I'm at the allotment, come and get some beans.
Yes.
Thank you love.
Happy birthday. Grandad.
The bus didn't come, can you pick me up from town?
OK.
Got your message. See you Sunday.
Bonnie can come to me Saturday if you're going out.
Too many runner beans again, tell Dave to come for a bag.
They sent me a new card and it won't work in the machine. I've put the number in three times and now it's kept it.
I'm alright love, just tired. Don't worry about me.
Mrs Cole next door is in hospital, I'm feeding her cat. It bit me. Don't tell Kieran, he'll only laugh.
Thank you for coming to see your old Grandad. Love Grandad.
THE BUS IS LATE AGAIN. I WILL BE HALF AN HOUR.
The beef was lovely, tell Dave the gate is still shut, and thank Chloe for the card, I've put it on the windowsill.
Can you look at my telly Saturday, the picture keeps going.
I'm at the doctors, I'll ring you when I'm done. Dad.
Grandad has got a new phone, this is my number, save it in.
Your mum's ring was in the drawer, I want Chloe to have it when she's older.
Onions drying in the shed and I've saved you some conkers. Come Saturday.
Rhubarb ready. Bring a carrier bag.
"""

# ---------------------------------------------------------------- senders who are not in the register

# Kerry, 18, Blackburn: Jade's cousin, training in hairdressing at college.
W["Kerry"] = """
can u ask ur mum if she still wants her roots doing saturday?
is it still on for saturday? what time and where, i dont want to be stood there on my own
can u do my fringe tomo, its in my eyes
ok see u there
+fuck sake, missed the bus again
"""

# Shaz, 20, Blackburn: Jade's mate.
W["Shaz"] = """
+babe im skint till friday, can u sub me a tenner for tonight, ill pay u back i swear
omg did u see him? he is so fit
+where the fuck are u lot
"""

# Big Al, 38, Chorley: Gaz's darts partner.
W["Big Al"] = """
Can you get me one for Saturday as well? Money at darts
Pint Friday?
"""

# Becca, 21, Blackburn: Jade's mate.
W["Becca"] = """
from 8, bring a bottle, and yes it is fancy dress, dont listen to anyone who says otherwise
+ok babe see you later
can u bring ur straighteners saturday, mine have broke
"""

# Trish, 45, Wakefield: Mandy's friend.
W["Trish"] = """
Coffee Monday? I'd rather not put it in a text
"""

# Jay, 30, Chorley: plays five-a-side with Gaz.
W["Jay"] = """
what time's footy thursday? might be late
"""

# Dazza, 31, Chorley: Gaz's mate.
W["Dazza"] = """
feathers at 8 tomorrow?
"""

# ---------------------------------------------------------------- the longer ones: several things at once

W["Julie"] += """
Can you take Chloe to dance tonight and pick Kieran up from his mate's at 7? I've got to stay late for a staff meeting, I'll be back about 8, there's chilli in the pan
Hi Trace, are you around on Saturday? Chloe wants the Trafford Centre for her birthday and I could do with the company, I'll drive, we can have lunch
Your hospital appointment is Wednesday at 10.40, I'll pick you up at 10, have your letter and your glasses ready, and wear a clean shirt
Can you pick up Dad's prescription from Boots on your way back? It's the repeat, they know him, and get him some of those mints he likes
I've put your tea in the oven, 20 minutes at 180, and don't let Kieran have any more crisps, he's had two packets already and he's bouncing off the walls
Just to let you know I'm going to Tracey's after work for a coffee, I won't be long, Chloe's got her key and there's a lasagne in the fridge
Lyn, he's had his check up and they're pleased with him, new tablet, he's been on the allotment every day since, Chloe won't tell me anything and Dave's still Dave, when are you coming home?
+Hiya love, can you ring me on your dinner, nothing bad, just want to sort out Sunday with you before I tell Dad
"""

W["Karen 48"] += """
Can you ring the garage and see if the car's ready? I'm in meetings all afternoon and I need it to take Mum to her appointment tomorrow morning
+Your dad and I are so proud of you, well done, ring us when you've stopped celebrating, and don't do anything I wouldn't do
Thank you for a lovely evening, I know I was tired and grumpy but it was nice to get out just the two of us, we should do it more often
Sam's got a friend over for tea so can you pick up some more garlic bread on your way home? And a bottle of wine for me, it's been a week
Book club's moved to the Thursday after, Angela's got the builders in, so we're at Carol's, I'll do the drive if you do the cake
"""

W["Tracey"] += """
Jules, are you about for a coffee Thursday? I'm on at the surgery at 5 but I could come in early, I need a good moan about you know who
Can you have the kids on Saturday night? He's taking me out for my birthday and won't tell me where, I'll drop them round at 6 with their pyjamas
Wayne, I've just got home and there's nothing in for tea, the kids are starving and I'm knackered, can you get chips on your way back, and a loaf
+Mum, I'm sorry I snapped at you, I was tired and he'd been getting on my nerves all day, I know you were only trying to help, love you
Thanks for today Jules, I really needed that, you're a good friend, see you at the surgery on Monday, and tell Dave thanks for the lift
"""

W["Linda"] += """
Sharon love, could you ring your dad on his birthday on Thursday? He won't say anything but he misses you all so much, it would make his day
Derek, I'm going to be late, we've got a school group in and the teacher's gone missing, can you put the oven on at 6 and feed the cat
Jackie, are you and Ray coming to ours for Christmas dinner? I'm doing beef this year, Derek won't eat turkey again, and bring that trifle
We've been looking at the flights, they're very dear but your dad says we're going if we have to live on beans, so get the spare room ready
"""

W["Sue H"] += """
Martin, it's your turn to visit your mother on Sunday, don't try and wriggle out of it, and take her the biscuits in the cupboard, not the good ones
Lauren pet, me and your dad are coming to Leeds on Saturday, we'll take you and the girls out for lunch, pick somewhere nice and I'll book it
Ollie, I've had a letter from the school about your mocks, we need to talk tonight, you're not going out, and your tea's in the oven at 6
+Howay Martin, it's gone 7 and you said you'd be back at 6, the dinner's ruined, ring me if you're stuck
"""

W["Debbie"] += """
Jess, I know you're angry with me but I'm your mum and it's my job to worry, I just want to know where you are and who you're with, that's all
Mandy, are you on Sunday? Thought we could get a coffee after shift before I pick Jess up from work, wait till you hear what our new boss did
Kev, can you post Connor's birthday card tomorrow? It's on the side with a tenner in it, first class, I'm on an early
Thanks for last night love, I haven't laughed like that in ages, we need to do it more often, same time next month and I'll drive
"""

W["Angela"] += """
Darling, your dad's put some money in your account, please buy some proper food and not just pot noodles, and ring your grandma, it's her birthday
Karen, loved the book but the ending was a cop out, I'll tell you why on Thursday, bring wine, and Carol says she's doing her cheesecake again
"""

W["Mandy"] += """
Deb, I've just seen the rota and I'm on 4 nights in a row again, I'm going to say something tomorrow, will you back me up? She can't keep doing it
Dylan, if you're going to the park you text me when you get there and when you leave, and I want you home by 9, I mean it, or no phone tomorrow
"""

W["Dave 42"] += """
ken, i'll be round saturday at 10 to fix that gate, have the kettle on, milk and 2 sugars, and don't go trying to do it yourself before i get there
jules, i've been thinking about what you said about the holiday, let's do it, wales, last week of august, i'll sort the time off with the boss
chloe, your mum says you've not done your homework, you're not going out till it's done, and that's from both of us, don't text me back with attitude
kieran, great goal today son, i saw it from the car park, i'll take you to the match on saturday as a treat, don't tell your sister
jules, can you ring the school, she's forgot her dinner money and she's texting me like it's the end of the world, i'm on a roof
"""

W["Steve"] += """
Sandra, I've got to stay on till the lorry comes in, they've lost the paperwork again, I'll be back about 8, keep my tea warm and don't let Ryan have my chips
Ryan, well done on your theory son, I knew you would, I'll book you some extra lessons for your birthday, and you can drive us to your nan's Sunday
Mick, Friday's draw is out, we've got the Fox away, their lot are good so we'll need your best arrows, I'll pick you up at 7 $
"""

W["Mick"] += """
Brenda love, I've had a good night, £140, I'll take you for a curry on Saturday, and I've got you some of them mints you like from the station
Kaden, your grandad's picking you up from school at 3, wait by the gate and don't go off with your mates, we're going to get chips
"""

W["Pete W"] += """
Liz, I'm stuck at school, the fire alarm went off in the science block and we've had to keep the Year 9s on the field, home as soon as I can
"""

W["Ian"] += """
Graham, I'll be at the clubhouse at 8, the forecast's not great so bring the waterproofs, loser buys the bacon rolls, and the coffee this time $
"""

W["Nan Pat"] += """
+Tracey love, I know you're busy but can you ring me tonight? Ron's had a bill from the water board that's twice what it should be and he's in a right state
Jordan, your Nan is making a cake for your birthday, what sort do you want? Chocolate or the one with the smarties on? Text me back love
Hello love, just to let you know we got back from Blackpool safe, the weather was lovely, Ron got sunburnt on his head and won't wear a hat
Leah love, thank you for the lovely card, Grandad has put it on the mantelpiece next to the clock so everyone can see it, you are a clever girl
"""

W["Margaret"] += """
Karen, I'm sorry to bother you at work but the gas man is here and he says I need a new boiler, he wants £2000, I told him to wait till you rang.
Karen, thank you for a lovely Sunday, the lamb was beautiful and it was lovely to see Sam, he is getting very tall, tell Hannah I'm thinking about her.
"""

W["Auntie Jean"] += """
Karen love, Bill's been in bed with his chest all week, the doctor's been and he's on antibiotics, he's grumbling so he must be getting better.
"""

W["Grandad Ken"] += """
Julie, I've been to the doctor's and he says my blood pressure is better, I'm to keep taking the tablets and walk every day, so I'll be on the allotment more than ever.
Kieran, Grandad is proud of you for your school report, you're a clever boy, your nan would be very proud too. Come Saturday and help me with the beans.
+Julie, thank you for taking me to the cemetery on Sunday, your mum would have liked the flowers, she always liked yellow roses best. I miss her every day. Dad.
Julie, can you bring some more of those tablets on Sunday, I'm down to my last few, and some of them biscuits Kieran likes, he's coming to help with the shed.
"""

W["Julie"] += """
Dave, your mum's just rung and she wants us for dinner on Sunday, I said yes before I remembered Chloe's dance thing, can you ring her back and sort it
Kieran's been in a fight with the boy next door, he's fine but he's got a black eye, can you go and get him? I can't leave the desk till 5
Dad, did you take your tablets this morning? The blue ones and the little white one, and don't forget you've got the chiropodist on Thursday at 2
"""

W["Karen 48"] += """
Sam, I've just been told by your father you were out until 1 last night, you told me you were at Ethan's, we'll talk tonight, and don't go anywhere
+Hannah, how are you getting on with your new housemates? The house is very quiet without you, Sam is pretending not to miss you but he does
Alan, Mum's scan results are back and it's good news, nothing to worry about, the consultant says she's in good health for her age, I'm so relieved
"""

W["Tracey"] += """
Jordan, I'm working late at the offices, there's a pizza in the freezer, put it in for you and Leah at 5, and don't let her have any more sweets
Wayne, the council have sent another letter about the back garden, you said you'd clear it last month, I'm not telling you again, sort it this weekend
"""

W["Linda"] += """
Derek, the chiropodist has moved your appointment to Wednesday at quarter past nine, and don't forget the optician on Friday, your glasses are ready
Jackie, I've found a lovely blouse for you in the market, blue with little flowers on, I'll bring it on Sunday and you can pay me then, it was only £6
"""

W["Debbie"] += """
Connor, your nan's not well, she's in the hospital, it's her chest again, can you come home this weekend? She'd love to see you and so would I
Jess, Brandon's mum rang, she says you can stay but I want to speak to her first, and you're home by 11 on Sunday, no later, you've got school
"""

W["Mandy"] += """
Terry, I'm on a late so you'll have to get the lads their tea, there's mince in the fridge, not chips again, and make sure Jake does his homework
"""

W["Dave 42"] += """
jules i'm going to be late, got a big ceiling to finish and the bloke wants it done before his wife gets home, i'll get a takeaway on the way, chinese or chippy?
gazza, are you still selling that ladder? i'll give you 20 for it and bring a few cans round tomorrow after work $
+jules, what do you want for your birthday? and don't say nothing cos you'll be upset if i get you nothing, give me a clue at least
"""

W["Steve"] += """
Ryan, your mum says you've not been to college this week, I want to know why when I get in, don't go out, and don't think you're having the car Saturday
Sandra, can you ring the dentist and move my appointment, I can't get away on Tuesday, we're short on the floor, any day next week after 4 is fine
"""

W["Mick"] += """
Steve, can you drive Friday? My car's in for a service and I'm not paying a taxi, even if it's my mate driving it, I'll get the first round in $
"""

W["Angela"] += """
Graham, I've had a letter from Will's university, he's not been to his lectures for 3 weeks, I'm going to ring him tonight, please don't shout at him
"""

W["Jackie"] += """
Lin, are you coming round Sunday? Ray's doing his barbecue if it stays dry, bring a cardigan, it always goes cold once the sun's gone behind the shed
"""

W["Carol B"] += """
Karen, I've got the tickets for the 18th, I'll meet you in the foyer at 7, we can have a drink first, and I'll bring your book back, loved it
"""

W["Grandad Ken"] += """
Kieran, Grandad will take you to the match on Saturday if your dad can't, the bus goes at half one from the end of my road, wear your scarf. Text me back.
Julie, the man from the council came about the allotment, I'm keeping it for another year, he says the beans are the best on the site.
"""

W["Nan Pat"] += """
Tracey, can you come with me to the market on Friday? I want a new coat for the winter and I can't manage the bus with my knee, we can have a cup of tea after
"""

W["Margaret"] += """
Karen, I went to the lunch club today, the new lady is very nice, she's from Scotland, we had fish and a sponge pudding, I'm going again on Wednesday.
"""

# ---------------------------------------------------------------- more of the long ones

W["Julie"] += """
+Dave, I've just seen the state of the kitchen, it looks like a bomb's hit it, I've been at work all day, I'm not your bloody maid, sort it before I get home
"""

W["Tracey"] += """
+Wayne, I love you, I know I've been a cow lately, it's work and the kids and Mum, it's not you, let's get a bottle of wine and have a night in
+Bloody hell Wayne, you've taken the car keys to work again, how am I meant to get to Mum's? I've got the shopping to do and Leah's got the dentist
"""

W["Dave 42"] += """
+love you jules, you looked gorgeous this morning, can't wait to get home, the kids are at your dad's so it's just us tonight, get the wine in ~
"""

W["Karen 48"] += """
+Bloody Ofsted have rung, they're coming Tuesday, I'm going to be at school every night this week, can you sort Sam's tea and the shopping
"""

W["Sue H"] += """
+Bloody car's been clamped outside school, they say I parked in the head's space, I did not, can you come and get me? I'm not paying 90 quid for that
"""

W["Steve"] += """
+Bloody lorry's late again, I'm going to be stood in this yard till 8 at this rate, can you tell Ryan no driving tonight, I'll take him tomorrow
"""

W["Mick"] += """
+Bloody airport run's been cancelled at the last minute, that's a 40 quid fare gone, I'll be home for my tea after all, love
"""

W["Kerry"] += """
+babe are u coming out saturday? its shazzas birthday and we r all going out in town, ring me when u get this, i need to know if i can get ready at urs
"""

W["Big Al"] += """
+Gazza, where the fuck were you last night? We were one short for the darts and we lost by a leg, you owe everyone a pint $
"""

W["Dazza"] += """
+gazza u fucking legend, cheers for the tickets, ill give u the money thursday at footy $
"""

W["Pete W"] += """
Liz, can you pick up my suit from the dry cleaners on your way back? I need it for the governors on Thursday and I won't get there before they shut
"""

W["Dave 42"] += """
jules, i'm at the builders merchants and they've not got the plaster board, so i'm going to be later than i said, can you get kieran from football at 5?
ken, julie says you need a lift to the hospital thursday, i'll pick you up at 9, have your letter ready and don't forget your glasses again
chloe, i'm outside the leisure centre, come out now or i'm going, and tell paige her mum said she's to come with you, i'm taking you both home
"""

W["Grandad Ken"] += """
Julie, the girl from the surgery rang, they want me to have my flu jab on Tuesday at 10, can you take me? I'll be ready at half past nine.
Chloe, your nan would have been very proud of you in that show, you were the best one on the stage, Grandad had a little cry. Love Grandad.
"""

W["Julie"] += """
Hiya love, I'm going to be a bit late tonight, Mrs Green's come in with her denture broke and she's in a right state, there's a cottage pie in the fridge
Chloe, I've booked your eyes for Saturday at 11 in town, so don't make any plans with Paige, and we'll get your school shoes after while we're there
Dad, Dave will pick you up at 12 on Sunday, dinner's at 1, and don't bring any more beans, we've still got the last bag in the freezer
"""

W["Tracey"] += """
Jules, thanks ever so much for the lift yesterday, I'd have been stood at that bus stop all night, I owe you a coffee, Thursday at the usual place?
Mum, Leah says can she come to yours after school on Wednesday, she wants to help Dad with the tomatoes, I'll pick her up at 6 when I finish
"""

W["Linda"] += """
Derek, I'm staying for a coffee with Jackie after the hospital, she's a bit down, I'll be back about 4, can you take the washing in if it rains
Sharon love, we got the photos of the beach, Tyler looks so brown, I've printed them at Boots and put them in a frame, your dad shows everyone
"""

W["Debbie"] += """
Mandy, can you do my Sunday? Jess has got a thing at school in the afternoon and I promised I'd go, I'll do your Wednesday night next week instead
Kev, I'm on a late so can you get something for tea? There's some chicken in the fridge, and Jess needs picking up from the bakery at 4
"""

W["Steve"] += """
Ryan, I'll take you out in the car on Sunday morning, we'll go to the industrial estate and do your reversing round a corner, so no lie in
Sandra, I'm going for a pint with Mick after darts, I'll be back about 11, and I'll get a taxi so don't wait up for me love
"""

W["Mick"] += """
Brenda, I'm stuck at the airport, the flight's late and the fare won't go with anybody else, I'll be back about 4 in the morning, go to bed love
"""

W["Mandy"] += """
Are you going to bingo on Friday? Terry says he'll run us there and pick us up after, so we can have a drink, I'll knock for you at 7
"""

W["Karen 48"] += """
Hannah, your dad says can you send us your new address for the post, and are you coming home for reading week? Sam wants to know if he can have your room
Alan, I'm going straight to Mum's after school, she's had a fall in the kitchen, nothing broken but she's shaken, I'll stay till she's settled, eat without me
"""

W["Sue H"] += """
Lauren pet, have you got a proper coat? It's meant to snow up there this weekend and I know what you're like, don't go out in that little jacket
Ollie, your tea's in the oven, I'm at Nanna's till 7, and if you're going out you text your dad, and take your key this time, I'm not getting up at 2 again
"""

W["Nan Pat"] += """
Tracey love, Ron says can you bring the kids round Sunday, he's got the paddling pool out, bring Leah's cossie and a towel, she'll be in it till her teatime
"""

W["Angela"] += """
Karen, can you do Wednesday instead of Thursday for book club? Graham's got his golf dinner and I can't leave the dog on her own all night, she howls
"""

W["Julie"] += """
Trace, are you working at the surgery tonight? Dr Shah wants the back room doing before the inspection, he's asked me to ask you, he'll pay you extra
Dave, can you get a bag of compost and some slug pellets for Dad on your way back? He's been on at me all week, and he says the big bag, not the little one
"""
W["Karen 48"] += """
Sam, I'm at parents evening till 8, there's a shepherd's pie in the oven, put it on at 6, and please take the dog out, she hasn't been since lunch
"""
W["Tracey"] += """
Jordan, your nan says you can go to hers after school but you've to do your homework first, and don't let your grandad give you any more sweets
"""
W["Linda"] += """
Jackie, do you want to come to the garden centre on Saturday? Derek's going to the football so we can have a proper look round and a scone in the cafe
"""
W["Debbie"] += """
Connor, are you coming home this weekend? Your nan's asking and Jess wants you to take her to the pictures, I'll do a roast on Sunday if you're here
"""
W["Dave 42"] += """
gaz, are you coming to the match saturday? i've got a spare, kieran's got a party, meet you at the feathers at 1, first round's yours, you owe me $
"""
W["Nan Pat"] += """
Hello love, are you coming to bingo on Thursday? Doreen's asking and she's got a spare book, Ron will take us and pick us up after, we'll be back for 10
"""
W["Grandad Ken"] += """
Kieran, come round on Saturday morning and help me dig the potatoes, we'll have a bacon sandwich in the shed after, and bring your wellies this time.
"""
W["Margaret"] += """
Hannah, thank you for your letter, it was lovely to hear from you, I'm glad you like your new house, make sure you eat properly and wrap up warm.
"""
W["Steve"] += """
Mick, are you driving Friday or am I? I can't do both weeks, the wife says I'm never in, and we need a new board, the old one's falling to bits $
"""
W["Mick"] += """
Brenda, I'm picking Kaden up from school then I've got a run to Birmingham, I'll drop him at yours at 4, he's had his tea, whatever he tells you, so no chips
"""

# ---------------------------------------------------------------- a few more

W["Julie"] += """
Did you see who's moved into number 14? Only Sandra from the butchers with that fella from the quiz, I nearly dropped the shopping, tell you tonight
Kieran's lost another jumper, that's three this term, can you have a look in the lost property when you drop him off? It's got his name in the collar
"""
W["Karen 48"] += """
Sam, if you're going to Ethan's after rugby that's fine but I want you home by 10, and take your gum shield out of your bag before it walks off again
"""
W["Tracey"] += """
Mum, Leah's lost her front tooth at school and she's beside herself cos she can't find it, can you write her a little note from the fairy like you did for Jordan?
"""
W["Linda"] += """
Derek, the man's coming to measure for the new windows at 2 tomorrow, can you make sure you're in? I've left his card by the phone, don't let him talk you into the dearer ones
"""
W["Nan Pat"] += """
Tracey love, I've got a big bag of apples off Doreen's tree, do you want some for a crumble? I'll send them round with Ron, the cooking ones not the eaters
"""
W["Grandad Ken"] += """
Julie, the lad next door has put a football through my greenhouse again. I've kept the ball. Tell Dave I need a pane of glass when he's passing.
"""
