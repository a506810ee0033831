"""What the writers aged 41 and over text (marks as in corpus_young.py).

Each writer's fixed facts are in the note above their lines; a name in a
writer's lines belongs to that writer's circle alone.
"""

W = {}

# ---------------------------------------------------------------- 41 to 60

# Julie, 45: receptionist at the dentist's, husband Dave (a plasterer, has
# the van), daughter Chloe (14), son Kieran (9), her dad Ken (Grandad Ken,
# widowed, no longer drives), dog Bonnie, sister Lyn in Spain, friend Tracey
# who cleans at the surgery; drives a Corsa.  Friends call her Jules.
W["Julie"] = """
Can you get Kieran from football at 5, I'm not finished till half past
Are you home for tea? It's sausage and mash
Chloe where are you? You said 9 and it's nearly 10, ring me now
Ok love, see you later
Dad, I'll be round at 2 to take you to the doctors, have your letter ready
Can you pick up bread and milk on your way home please
Just had Mrs Patel in with an abscess, she's in agony poor thing
Is Bonnie with you? She's not in the garden
Yes fine
Hi Lyn, how's the weather over there? It's chucking it down here
Love you, don't work too late
Running late, surgery's overrun, can you put the oven on at 6
Kieran's left his PE bag again, can you drop it in on your way past the school?
Chloe, tea's at 6 and I want you home for it, no excuses
Thanks love, you're a star
Are you still ok for Saturday? Dave says he'll drive
Dad, did you take your tablets this morning? The blue ones
Sorry I was short with you earlier, it's been a long day
Can you ring me when you get a minute, nothing urgent
Yes I'll get it, what size?
Hiya, fancy a coffee Thursday after work? My treat
Dave can you look at the washing machine when you're in, it's leaking again
Just got the bill for Kieran's school trip, £45, they must think we're made of money
Where's the remote? Kieran swears he hasn't had it
Ok, I'll pick her up, you stay there
Home in 10, put the kettle on
Dad are you alright? You sounded a bit tired on the phone
Can't talk, in the middle of the banking, ring you at dinner
Good luck tomorrow, you'll be fine
Dave says thanks for the beer ~
Bonnie's been to the vet, she's got to go on a diet, no more sausages from your dad
Yes please, the big bag
Chloe's got her dance show on the 9th, are you coming?
Miss you, see you tonight
Haha he never did ~
Chloe, if you're going to Paige's text me when you get there
Kieran's been sick, I've kept him off school, can you get the Calpol on your way back
Don't forget Dad's birthday on Sunday, I've got a card, just sign it
Could you ring Lyn for me? Her phone's going straight to answerphone
Ok no problem
Oh no, what happened?
Dave, the van's blocking next door in again, they've been round
"""

# Karen, 48: deputy head at a primary school, husband Alan, children Hannah
# (19, at university in Bristol) and Sam (16), mum Margaret (widowed, no
# longer drives), aunt Jean, book club with Angela and Carol; drives.
W["Karen 48"] = """
Alan can you collect Sam from rugby at 6, I've got governors till 8
Hannah, did you get the parcel? There's a cake in it, eat it before it goes off
Running late, Ofsted call, don't wait for me for tea
Book club is at mine on Thursday, I'll do the nibbles
Sam, I want you home by 11 and not a minute later
Mum, did you ring the doctor back? They said it was important
Yes, fine
Hannah, how did the exam go? Ring me tonight if you can
Home at 6.30, can you put the potatoes on
Have you finished the book yet? I'm on the last chapter
Thank you love, see you later
Sam, have you got your key? I'm not back till late
Just been told I'm doing the Christmas concert again, someone save me
Mum, lunch club on Wednesday, I'll drop you at 12
Can you ring Jean? She says your phone's off again
Alan, don't forget the bins
Sorry, can't talk, in a meeting with parents
Hannah, do you want us to come down for your birthday or are you going out?
Love you, see you at the weekend
Have you heard from Sam? He's not answering
Ok, I'll sort it in the morning
What did you think of the ending? I'm still cross about it
Mum, I've put your prescription in the kitchen drawer
"""

# Tracey, 42: cleaner (offices, and the dentist's where Julie works),
# partner Wayne, son Jordan (14), daughter Leah (7), mum is Nan Pat, friend
# Julie; no car, gets lifts and the bus.
W["Tracey"] = """
Jordan where are you? Tea's on the table
Can you have Leah after school Tuesday, I'm doing the offices till 6
Wayne can you pick Jordan up from footy at 5
Mum, can I borrow your steam cleaner Saturday?
Ok love, see you later
Leah's got a temperature, can you keep an eye while I'm at work?
Jordan, if you're going to Mikey's you text me when you get there, I mean it
Yes please Jules, a lift would be a godsend
Wayne's done his back again, lifting a telly, useless
Home in 20, put the chips in
Can you lend me a tenner till Friday? I'm skint
Thanks for the lift love
Jordan, I've had the school on the phone, you'd better have a good excuse
Mum, are you coming for tea Sunday? Leah wants to show you her dance
Bloody bus hasn't turned up, I'm going to be late
Miss you, when are you back?
Love you, night
"""

# Linda, 55: library assistant, husband Derek (retired, drives), daughter
# Sharon in Australia with Mia and Tyler, sister Jackie.
W["Linda"] = """
Derek can you pick me up from the library at 5, it's pouring
Sharon, just seen the photos, Mia's grown so much. Give them both a big hug from Nanna
Jackie are you coming to the garden centre on Saturday?
Ok, see you at 2
Have you rung the plumber? The tap's still dripping
Derek, don't forget your appointment at 10.30 tomorrow
Thank you love
Jackie, did you get your results? Ring me
Home by 6, there's a pie in the fridge
Sharon, what time is it there? I'll ring you Sunday morning your evening
Yes please, a bag of sugar and the paper
We've booked the flights! March 12th, I can't believe we're coming
Derek, your sister rang, can you ring her back
Happy birthday Tyler, Nanna and Grandad love you
"""

# Sue, 52: maths teacher, husband Martin, daughter Lauren (21, at Leeds),
# son Ollie (17), her mum Nanna Dot in a home; Geordie by birth; drives.
W["Sue H"] = """
Martin can you pick Ollie up at 9, I'm marking till late
Ollie, where are you? You said 10
Ok pet, speak tomorrow
Going to see Mum after school, back about 6
Lauren, have you eaten anything other than toast this week?
Yes I posted them, should be there tomorrow
Martin, it's your turn to visit your mother, don't try and wriggle out of it
Love you pet, ring me Sunday
Mum's had a good day, she knew who I was
Ollie, I've put £20 in your account, don't spend it all at once
Can you get the tickets for Lauren's train? I can't get on the website
"""

# Debbie, 45: care assistant at Willow Court with Mandy, daughter Jess (15),
# son Connor (20), partner Kev; drives an old Polo.
W["Debbie"] = """
Jess, home by 9, I mean it
Mandy can you swap Saturday? Jess has got a thing at school
Connor, can you pick your sister up from the bakery at 4
Running late, one of the residents had a fall
Kev can you get something for tea, I'm knackered
Ok love
Yes she's fine, just a cold
Jess did you take my phone charger?
On nights again this week, bloody rota
Love you, see you in the morning
Home at 3, put the washing in
Connor, your dinner's in the microwave, 3 minutes
"""

# Angela, 48: pharmacist, husband Graham, son Will at university in Durham,
# book club with Karen and Carol, tennis on Tuesdays; drives.
W["Angela"] = """
Will, did you get the money? Don't spend it all in the bar
Graham can you get the fish for tonight, I'm not finished till 7
Tennis is off, the courts are flooded
Ok, see you at 8
Have you finished the book? I'm halfway through and I can't put it down
Graham, your golf clubs are still in the hall, move them please
Yes, Thursday suits me
Love you, drive carefully
Will, ring your father, it's his birthday
Home by 6.30
"""

# Mandy, 42: care assistant at Willow Court with Debbie, husband Terry,
# lads Dylan (15) and Jake (12), friend Trish; drives.
W["Mandy"] = """
Deb have you seen the rota? She's done it again
Dylan, where are you? It's gone 10
Terry can you get Jake from football
Ok hun see you at 7
Knackered, double shift, I'm going to bed
Jake's broken the window with his football, Terry's going to kill him
Yes, I'll do your Sunday if you do my Wednesday
Love you, home soon
"""

# Jackie, 52: Linda's sister, dinner lady at the junior school, husband Ray.
W["Jackie"] = """
Lin, are you coming round Sunday? Ray's doing a barbecue if it stays dry
Results are back, all clear! Thank God
Ok see you at 2
Ray's gone fishing again, I've got the house to myself ~
Yes please, pick me up at 10
"""

# Carol, 55: retired accountant, book club with Karen and Angela, goes to
# the theatre; husband Tony-free, widowed.
W["Carol B"] = """
Theatre tickets booked for the 18th, row F
Book club at mine next month, I'll do a lasagne
Yes, see you there
"""

# Dave, 42: plasterer (has the van), Julie's husband, Chloe and Kieran's
# dad, Ken's son-in-law, mate of Gaz, supports City, five-a-side for the
# over 40s.
W["Dave 42"] = """
on my way, 20 mins
finished at 4, want me to get anything?
cant get kieran, stuck in traffic on the ring road
chloe where are you? your mum's going spare
love you, see you later
what's for tea?
ok
ken wants a lift to the allotment saturday, can you do it?
bloody van's got a flat, going to be late
yeah fine
running late, job's taken longer than i thought
kieran, training's cancelled, i'll get you at 3.30
home in 10
chloe, i'm outside, come out now
did you ring the gas man?
city won 2 1! ~
"""

# Steve, 48: warehouse manager, wife Sandra, son Ryan (17, a learner, goes
# out in the car only with his dad), darts with Mick; drives a Mondeo.
W["Steve"] = """
Ryan, lesson's moved to Thursday, instructor rang
Sandra, working late, don't wait up
Darts Friday? $
Ok love
Ryan, where are you? Your mum's worried
Home by 6
Love you
Can you get me some paracetamol, my back's gone
Ryan, I'll take you out in the car Sunday, we'll do some reversing
Yes fine
"""

# Mick, 55: taxi driver, wife Brenda, grandson Kaden, darts with Steve.
W["Mick"] = """
Brenda, on till 2, don't wait up
Darts Friday, you're driving $
Ok love
Can't, got an airport run $
Kaden's been a star today, took him to the football
Home in 10
Love you
"""

# Pete, 45: secondary school teacher, cycling, wife Liz.
W["Pete W"] = """
Liz, home about 6, parents evening ran over
Ride Saturday? 9 at the lights $
Ok, see you later
Love you
"""

# Ian, 52: engineer, golf with Graham.
W["Ian"] = """
Tee booked for 8.10 Saturday $
"""

# Graham, 48: Angela's husband, golf with Ian.
W["Graham"] = """
"""

# ---------------------------------------------------------------- 61 and over

# Nan Pat, 67: Tracey's mum, husband Ron, grandchildren Jordan and Leah, bingo
# on Thursdays, Blackpool every summer; Ron drives.
W["Nan Pat"] = """
Hello love, are you coming for tea Sunday? I'm doing a chicken
Tracey, Ron says he'll pick Leah up from school Tuesday
Jordan, your tea is in the oven, Nan has gone to bingo, Grandad is asleep in the chair
Bingo tonight, won £15 on the last house
Thank you for the flowers love, they're lovely
Ok love. See you Sunday
Ron's got a cold so we won't come round, don't want to give it to the little one
Tracey, what size is Leah now? I've seen a lovely coat in the market
Jordan, well done on your goal, your Grandad told me
Are you alright love? You sounded tired on the phone
Booked Blackpool for August, same hotel
Yes please love
Leah can stay Saturday if you want to go out
Have you got a minute? Ring me when you're home
"""

# Margaret, 70: widow (her late husband Frank), daughter Karen, sister Jean,
# grandchildren Hannah and Sam, church and the lunch club; no car.
W["Margaret"] = """
Thank you for lunch love, it was lovely.
Jean rang, she's had her hip done, she's doing well.
Hannah, happy birthday darling. There's a card in the post.
Yes. See you at 10.
The man came about the boiler, it's working now.
Karen, could you ring me when you get a minute.
Church is at 11 on Sunday, not 10.30.
Ok love.
Sam, thank you for coming round, you're a good lad.
I can't find my glasses, did I leave them in your car?
"""

# Auntie Jean, 67: Margaret's sister, husband Bill, Karen's aunt.
W["Auntie Jean"] = """
Bill says thank you for the lift love.
Hip is much better, walking to the shops now.
Yes, see you Sunday.
"""

# Grandad Ken, 70: Julie's dad, widower (Joan), grandchildren Chloe and
# Kieran, allotment, bowls on Wednesdays, has a bus pass (gave up driving);
# writes in capitals now and then.
W["Grandad Ken"] = """
Julie, can you take me to the doctors on Thursday?
Bowls is off, rain.
Kieran, well done at football son.
I'm at the allotment, come and get some beans.
Yes.
Thank you love.
Chloe, happy birthday. Grandad.
Julie, the bus didn't come, can you pick me up from town?
OK.
Tell Dave thank you for fixing the gate.
Got your message. See you Sunday.
Bonnie can come to me Saturday if you're going out.
"""

# ---------------------------------------------------------------- the longer texts

W["Julie"] += """
Dave, your mum's just rung, she wants us for dinner on Sunday, I said yes before I remembered Chloe's got her dance thing, can you ring her back and sort it
Lyn, just to let you know Dad's had a bit of a funny turn, he's fine now, the doctor's been and says it's his blood pressure, I'll ring you tonight
Chloe, I've just had a call from school saying you weren't in registration, where are you? Ring me the minute you get this
Hi love, can you get the turkey from the butchers on your way back, it's paid for, it's under Dave's name, and a bag of sprouts
"""

W["Karen 48"] += """
Alan, can you ring the garage and see if the car is ready? I'm in meetings all afternoon and I need it for Mum's appointment tomorrow
Hannah darling, your dad and I are so proud of you, well done on your results, ring us when you've stopped celebrating
Mum, Sam will come round after school on Thursday to help you with the shopping, please let him carry the heavy bags
Angela, I can't make Thursday after all, Sam's got a parents evening I'd completely forgotten about, can we move it to the week after?
Sam, I've had a phone call from Mrs Birch about your coursework. We'll talk about it tonight. Don't go out
Jean, Mum's had a bit of a chest infection but she's on antibiotics and she's much brighter today, I'll bring her over on Sunday
Just to let you know I'm staying late for the Year 6 disco, I'll eat there, there's a pie in the freezer for you and Sam
Hannah, your dad says can you send us your new address for the post, and are you coming home for reading week?
Mum, please don't go up the ladder to change the bulb, wait for Alan to come round on Saturday, I mean it
Alan, the dishwasher's making that noise again, I've put it on, can you have a look when you get in
Hannah, have you registered with a doctor down there yet? You promised you would
Thank you for coming to the concert love, the children loved it, especially the bit where the recorder group got lost
Carol, the tickets for the 18th are in my bag, I'll meet you in the foyer at 7, we can have a drink first
"""

W["Tracey"] += """
Jordan, I'm working late at the offices, there's a pizza in the freezer, put it in for you and Leah at 5 and don't let her have any more sweets
Mum, Leah's been crying since school because some girl said her hair looked stupid, can you have a word with her when she comes round, she listens to you
Wayne, the council have sent another letter about the back garden, you said you'd clear it last month, I'm not telling you again
Jules, are you about for a coffee Thursday? I'm on at the surgery at 5 but I could come in early, I need a good moan about Wayne
Jordan, well done today love, your coach rang me and said you were the best on the pitch, I'm proud of you
Mum, can you have the kids on Saturday night? Wayne's taking me out for my birthday, he won't tell me where
Leah's got her school photos, they want £12 for the big one, daylight robbery but she looks lovely
Jordan I've told you, if you're not home by 9 you're not going to the match on Saturday, no arguments
Mum, the doctor says Leah's got tonsillitis, she's on penicillin, can you keep her with you tomorrow, I can't miss another day
Wayne, you've left the back door open again and the cat's been in the kitchen and had the ham
Thanks for today Jules, I really needed that, you're a good friend, see you at the surgery
"""

W["Linda"] += """
Sharon love, just got your parcel, thank you, the calendar is beautiful, I've put it up in the kitchen, your dad keeps looking at it
Derek, I'm going to be late, we've got a school group in and the teacher's gone missing, can you put the oven on at 6
Jackie, how are you feeling today? Do you want me to come with you on Thursday? I can get the afternoon off
Sharon, can you tell Mia thank you for the drawing, it's on the fridge, is that me with the big hair? Nanna's laughing
Derek, the car's making a noise like a washing machine, I've left it in the library car park, can you ring the AA
Jackie, are you and Ray coming to ours for Christmas dinner? I'm doing beef this year, Derek won't eat turkey again
Sharon, we've been looking at the flights, they're very dear but your dad says we're going if we have to live on beans
Derek, I've got book club tonight so you're on your own for tea, there's soup in the fridge, don't burn the pan
Jackie, I've found a lovely blouse for you in the market, blue, I'll bring it on Sunday, you can pay me then
Sharon, Tyler's school play, did they film it? We'd love to see it, can you send it on a disc
Derek, Jackie's results are back and it's good news, I'm going round there now, back about 8
Thank you for the flowers love, they're on the table, you shouldn't have
"""

W["Sue H"] += """
Martin, I'm stuck in a department meeting that's gone on forever, can you get Ollie from the station at 6, he's texted me
Lauren pet, I've just seen the weather, it's meant to snow up there, have you got a proper coat? Don't go out in that little jacket
Ollie, I've had a letter from the school about your mocks, we need to talk tonight, you're not going out
Went to see Mum today, she was asking for you Lauren, she thinks you're still at school, I didn't have the heart to tell her
Lauren, me and your dad are coming up on Saturday, we'll take you and the girls out for lunch, pick somewhere nice
"""

W["Debbie"] += """
Jess, I'm stuck at work, one of the night staff has called in sick, can you make sure Connor eats something and doesn't just have crisps
Kev, can you get the car to the garage tomorrow, the brakes are squealing and I don't want to be stuck on the way to work
Mandy, are you on Sunday? Thought we could get a coffee after shift before I pick Jess up, I need a good moan about the new manager
Jess, Brandon's mum rang, she says you can stay but I want to speak to her first and you're home by 11 on Sunday
Connor, I've put £20 in your account for your train fare, don't spend it on beer, I mean it
Thanks for last night love, I haven't laughed like that in ages, we need to do it more often
"""

W["Angela"] += """
Graham, can you ring the plumber in the morning? The boiler's making that noise again and I've got an early start at the pharmacy
Karen, loved the book but the ending was a cop out, I'll tell you why on Thursday, bring wine
Will darling, your dad's put some money in your account, please buy some proper food and not just pot noodles
"""

W["Mandy"] += """
Deb, I've just seen the rota and I'm on 4 nights in a row again, I'm going to say something to her tomorrow, will you back me up?
Terry, I'm on a late so you'll have to get the lads their tea, there's mince in the fridge, not chips again
Dylan, if you're going to the park you text me when you get there and when you leave, and I want you home by 9
"""

W["Jackie"] += """
Lin, Ray says thank you for the birthday card, he's been like a big kid all day, we're going for a meal at the Toby tonight
"""

W["Carol B"] += """
Karen, I'm so sorry to hear about your mum, if there's anything I can do just ask, I'm only round the corner
"""

W["Dave 42"] += """
jules i'm going to be late, got a big ceiling to finish and the bloke wants it done before his wife gets home, i'll get a takeaway on the way
chloe your mum says you've not done your homework, you're not going out till it's done, and that's from both of us
ken, i'll be round saturday at 10 to fix that gate, have the kettle on, milk and 2 sugars
kieran, great goal today son, i saw it from the car park, i'll take you to the match on saturday as a treat
gaz the van's making a noise, grinding when i brake, can i bring it round tomorrow after work? $
jules can you ring the school, chloe's forgot her dinner money and she's texting me like its the end of the world
sorry about last night love, i was in a bad mood, work's doing my head in, i'll make it up to you
what do you want for your birthday? and don't say nothing cos you'll be upset if i get you nothing
chloe if i find out you've been on that computer till 2 in the morning again it's going in the loft
"""

W["Steve"] += """
Sandra, I've got to stay on till the lorry comes in, they've lost the paperwork again, I'll be back about 8, keep my tea warm
Ryan, your mum says you've not been to college this week, I want to know why when I get in, don't go out
Mick, Friday's draw is out, we've got the Fox away, their lot are good, we'll need your best arrows $
Ryan, well done on your theory son, I knew you would, I'll book you some extra lessons for your birthday
Sandra, can you ring the dentist and move my appointment, I can't get away on Tuesday, we're short on the floor
"""

W["Mick"] += """
Brenda, I've got an airport run at 4 in the morning so I'll sleep in the spare room, don't set the alarm
Kaden, your grandad's picking you up from school at 3, wait by the gate and don't go off with your mates
Steve, can you drive Friday? My car's in for a service and I'm not paying a taxi, even if it's my mate driving $
Brenda love, I've had a good night, £140, I'll take you for a curry on Saturday
"""

W["Pete W"] += """
Liz, I'm stuck at school, the fire alarm went off in the science block and we've had to keep the Year 9s on the field, home as soon as I can
Are you still up for Saturday? Looking at the weather it might be a wet one, shall we do the short loop? $
Liz, can you get some milk, we're out, and the bread's gone mouldy, I'll cook if you shop
"""

W["Ian"] += """
Graham, I'll be at the clubhouse at 8, the forecast's not great so bring the waterproofs, loser buys the bacon rolls $
Sorry I can't make Saturday, the wife has booked us a weekend away, I only found out this morning $
"""

W["Graham"] += """
Angela, I'm at the golf club, be home about 4, do you want me to get anything on the way?
"""

W["Nan Pat"] += """
Tracey love, Ron says can you bring the kids round on Sunday, he's got a present for Jordan for doing so well at football
Jordan, your Nan is making a cake for your birthday, what sort do you want? Chocolate or the one with the smarties on
Hello love, just to let you know we got back from Blackpool safe, the weather was lovely, Ron got sunburnt on his head
Tracey, I've been to the doctor, it's nothing to worry about, just my knee, they're sending me for physio, don't fuss
Leah love, thank you for the picture, Grandad has put it on the fridge, you are a clever girl
Tracey, are you alright for money this week? I can lend you a bit till Friday, don't be proud
Jordan, can you come round on Saturday and help Grandad with the shed? He'll give you a fiver
Ron's been to the hospital for his eye, they say it's a cataract, they're going to do it in June
Tracey, I saw Wayne in the market with his mate, tell him I said he owes me a visit
Hello love, are you coming to bingo on Thursday? Doreen's asking, she's got a spare book
Tracey, I've left a bag of clothes for Leah on your step, some of them still had labels on from the market
Jordan, Nan is so proud of you love, your mum told me about your report, keep it up
Ron says he'll take Leah to the pictures on Saturday if you want a bit of time to yourself
Tracey, can you come with me to the market on Friday? I want a new coat and I can't manage the bus with my knee
Thank you for Sunday love, the dinner was lovely, Leah's getting so big
Hello love, just to say I'm back from the hospital and it went fine, don't worry, ring me later
Jordan, have you got your bus pass? Your mum says you lost it again
"""

W["Margaret"] += """
Karen, I've had a letter from the council about my bins, I don't understand it, could you have a look when you come on Sunday?
Jean says thank you for the lift on Thursday, she's feeling much better, the doctor is pleased with her.
Sam, your grandma is very proud of you, your mother says you've done well in your exams. Well done darling.
Karen, I went to the lunch club today, the new lady is very nice, she's from Scotland. We had fish.
Karen, my television has gone funny, there's only snow on it, could Alan come and look at it please.
Hannah, thank you for your letter, it was lovely to hear from you. Look after yourself and eat properly.
"""

W["Auntie Jean"] += """
Karen, Bill and I would like to take your mother out for her birthday, could you let me know which Saturday suits her.
Karen, thank you for the flowers, they are beautiful, you shouldn't have. Love to Alan.
Margaret, are you going to church on Sunday? Bill will pick you up at half past ten.
Karen love, Bill's been in bed with his chest all week, the doctor's been, he's on antibiotics, but I thought you should know.
"""

W["Grandad Ken"] += """
Julie, I've got too many runner beans again, tell Dave to come and get a bag when he's passing.
Kieran, Grandad will take you to the match on Saturday if your dad can't. Text me back.
Julie, can you ring the bank for me, they sent me a new card and it won't work in the machine.
I'm alright love, just tired, the bowls went on a bit. Don't worry about me.
Julie, Mrs Cole next door has gone into hospital for her hip, I'm going round to feed her cat.
Chloe, thank you for coming to see your old Grandad, you are a good girl. Love Grandad.
THE BUS IS LATE AGAIN. I WILL BE HALF AN HOUR.
Julie, can you bring some more of those tablets on Sunday, I'm down to my last few.
Thank you for my dinner love, the beef was lovely, tell Dave the gate is still shut.
Julie, the man from the council came about the allotment, I'm keeping it for another year.
Dave, can you come and look at my telly on Saturday, the picture keeps going.
I'm at the doctors, I'll ring you when I'm done. Dad.
Kieran, Grandad has got a new phone, this is my number, save it in.
Julie, I found your mum's ring in the drawer, I want Chloe to have it when she's older.
"""

W["Kerry"] = """
can u ask ur mum if she still wants me to do her roots on saturday? she said she was going grey at the front
hiya cuz, is it still on for saturday? what time are we meeting and where, i don't want to be stood there on my own
are u working tomorrow? can u do my fringe after, it's in my eyes and i look like a sheepdog
ok see u there
"""

W["Shaz"] = """
jade babe im skint till friday, can u sub me a tenner for tonight, ill pay u back i swear
omg did u see him?? he is so fit
"""

W["Big Al"] = """
Gazza, can you get me a ticket for Saturday as well? I'll give you the money at darts
Pint Friday?
"""

W["Becca"] = """
party is at mine from 8, bring a bottle, and yes it is fancy dress, dont listen to anyone who says otherwise
ok babe see you later
can u bring ur straighteners saturday, mine have broke
"""

W["Trish"] = """
Mandy, are you free for a coffee on Monday? I've got something to tell you and I'd rather not put it in a text
"""

W["Jay"] = """
what time's footy thursday? might be late, stuck at work
"""

W["Dazza"] = """
pint tomorrow? the feathers at 8
"""

W["Julie"] += """
Dave, can you take Chloe to dance tonight and pick Kieran up from his mate's at 7? I've got to stay late for a staff meeting about the new computer system, I'll be back about 8
Chloe, I've just been talking to Paige's mum, she says you told her I said you could stay over on Saturday, I did not say that, we'll talk about it when you get home
Dad, just to remind you, your hospital appointment is on Wednesday at 10.40, I'll pick you up at 10, have your letter and your glasses ready, and wear a clean shirt
Lyn, Dad's been asking when you're coming over, he keeps saying he wants to see you before he gets too old, can you get a flight in the summer? Love to Mal and the kids
Dave, I've just had a phone call from the school, Kieran's been in a fight with the boy next door, he's fine but he's got a black eye, can you go and get him? I can't leave the desk
Hi Trace, are you around on Saturday? Chloe wants to go to the Trafford Centre for her birthday and I could do with the company, I'll drive, we can have lunch
Chloe, I've put money on your phone, don't spend it all texting Paige, and I want you back by 6 tonight, your nan's coming round and she wants to see you
Dave, the vet says Bonnie's got to have her teeth done, it's going to cost £180, I told them to go ahead, don't go mad, she's been in pain
Dad, thank you for having Kieran today, he loved helping on the allotment, he's been telling everyone about the potatoes, you've got a gardener for life there
Love you, sorry about this morning, I was stressed about work and I took it out on you, I'll make your favourite for tea and we'll have an early night ~
"""

W["Karen 48"] += """
Sam, I've just been told by your father that you were out until 1 last night, you told me you were at Ethan's revising, I'm very disappointed, we'll talk tonight
Hannah, how are you getting on with your new housemates? Your dad and I miss you terribly, the house is very quiet, Sam is pretending not to miss you but he does
Alan, I've got the results of Mum's scan, it's good news, nothing to worry about, the consultant says she's in good health for her age, I'm so relieved
Angela, can you do Thursday instead of Wednesday this week? Governors have moved their meeting and I really don't want to miss book club, I've actually read it this time
Mum, Alan will come round on Saturday morning to put your new curtains up, please don't try and do it yourself, I know what you're like, we'll have lunch after
Hannah darling, I've sent you a parcel with some bits, there's a jumper, some tea bags and a tin of your grandma's flapjack, don't let your housemates eat it all
Thank you for a lovely evening love, I know I was tired and grumpy but it was nice to get out just the two of us, we should do it more often
"""

W["Tracey"] += """
Wayne, I've just got home and the house is a tip, the kids have been on their own since 4 and Leah's had nothing but biscuits, where are you? You said you'd be here
Jules, thank you so much for putting a word in with Dr Shah about the extra hours, I start on Monday, mornings before the surgery opens, it's going to make such a difference
Jordan, I've just found out you've been skiving PE, you told me your knee was bad, if you can play football on a Saturday you can do PE on a Tuesday
Mum, I'm sorry I snapped at you on Sunday, I was tired and Wayne had been getting on my nerves, I know you were only trying to help, love you
"""

W["Linda"] += """
Jackie, I've just spoken to Sharon, she says Mia's been picked for the school choir, they're singing at the opera house in Sydney, can you believe it? I'm so proud I could burst
Derek, I'm at the hospital with Jackie, they've kept her in for tests, I'll be here for a while, can you feed the cat and ring Ray? He's not answering his phone
Sharon love, I know it's hard with the time difference but could you ring your dad on his birthday on Thursday? He won't say but he misses you all so much
Jackie, thank you for coming with me today, I know it wasn't easy for you either, we'll get through this together like we always have, love you
"""

W["Sue H"] += """
Martin, it's half past 11 and Ollie's not home, he's not answering his phone either, I'm going to drive round to his mate's, if he comes in text me straight away
Lauren pet, I've just been to see your nanna and she was asking about you, she remembered you were at university which is the first time in months, she'd love a card
Ollie, I know you're upset about the results but one exam isn't the end of the world, we'll talk about it tonight, your dad and I are proud of you whatever
Martin, the car's been clamped outside the school, they say I parked in the head's space, I did not, can you come and get me? I'm not paying 90 quid for that
"""

W["Debbie"] += """
Jess, I know you're angry with me but I'm your mum and it's my job to worry, I just want to know where you are and who you're with, that's not too much to ask
Mandy, I've just had a word with her about the rota and she says she'll look at it again, don't get your hopes up but at least she listened for once, see you tomorrow
Connor, your nan's not well, she's in the hospital, it's her chest again, can you come home this weekend? She'd love to see you and so would I
"""

W["Angela"] += """
Graham, I've had a letter from Will's university, he's not been to any of his lectures for 3 weeks, I'm going to ring him tonight, please don't shout at him when you talk to him
Karen, I've just finished the book and I'm in bits, I had to sit in the car for 10 minutes before I could go in to work, I can't believe she did that to him
"""

W["Mandy"] += """
Oh hun, I've just heard about your mum, I'm so sorry, is there anything I can do? I can have the kids for you on Saturday if you need to go and see her, just ask
"""

W["Dave 42"] += """
jules, i've been thinking about what you said about the holiday, let's do it, book the caravan in wales for the last week of august, i'll sort the time off with the boss
chloe, your mum and me are going out tonight, you're in charge of kieran, no friends round, no boys, and if that dog gets out again you're grounded for a month
ken, julie says you've not been eating properly, i'm bringing you round a plate of tea tonight, don't argue, you know what she's like when she gets an idea in her head
"""

W["Steve"] += """
Sandra, I've just been told they're making 20 of the lads redundant at the end of the month, not me, but Mick's son is on the list, don't say anything to Brenda yet
Ryan, I've had a word with your instructor, he thinks you're ready for your test in March if you keep practising, we'll go out Saturday and Sunday, you drive, I'll navigate
"""

W["Mick"] += """
Brenda, I've just dropped a fare at the station and I'm going to grab a bacon sandwich before I head back, do you want anything? I'll be home about 2
"""

W["Nan Pat"] += """
Tracey love, I've been thinking about what you said about Wayne, you know where I am if you need me, you and the kids can always come here, Ron says the same
Jordan, Nan is so pleased you came to see me on Saturday, you're a good lad, here's a fiver for your trip, don't tell your mum or she'll want half of it
Hello love, Ron has had his eye done and it went fine, he's got a patch on like a pirate, Leah will love it, we'll come round Sunday when he can see again
Tracey, I know you're busy but can you ring me tonight? Ron's had a bill from the water board that's twice what it should be and he's getting himself in a state
Leah, Nanny loves you very much, thank you for the lovely card, Grandad has put it on the mantelpiece next to the clock so everyone can see it
"""

W["Margaret"] += """
Karen, I'm sorry to bother you at work but the man from the gas board is here and he says I need a new boiler, he wants £2000, I told him to wait till you rang.
Karen, thank you for a lovely Sunday, the lamb was beautiful and it was lovely to see Sam, he is getting very tall, tell Hannah I'm thinking about her.
"""

W["Grandad Ken"] += """
Julie, I've been to the doctor's and he says my blood pressure is better, I'm to keep taking the tablets and walk every day, so I'll be on the allotment more than ever.
Julie, thank you for taking me to the cemetery on Sunday, your mum would have liked the flowers, she always liked yellow roses best. I miss her every day. Dad.
Kieran, Grandad is proud of you for your school report, you're a clever boy, your nan would be very proud too. Here's a fiver for some sweets, don't tell your mum.
"""

W["Julie"] += """
Yeah ok love
"""

W["Tracey"] += """
Yeah go on, I'll do the chips
Bloody hell Wayne, you've taken the car keys to work again, how am I meant to get to Mum's?
Miss you, can't wait for tonight, the kids are at Mum's ~
"""

W["Dave 42"] += """
yeah fine love
miss you, you looked gorgeous this morning, can't wait to get home ~
"""

W["Debbie"] += """
Yeah she's fine now, thanks for asking
"""

W["Mandy"] += """
Yeah I know, what a cow
"""

W["Tracey"] += """
Wayne, I've just had the bailiffs' letter, you told me you'd paid that catalogue off months ago, I'm so pissed off I can't even look at you, we'll talk tonight
"""

W["Julie"] += """
Dave, I've just seen the state of the kitchen, it looks like a bomb's hit it, I've been at work all day, I'm not your bloody maid, sort it before I get home
"""

W["Karen 48"] += """
Hannah darling, I know you're upset about the course and I want you to know whatever you decide your dad and I are behind you, if you want to change to history then change, if you want to come home for a bit and think about it then come home, your room is always here, ring me tonight, I'll be up late marking
"""

W["Julie"] += """
Lyn, just to let you know Dad had his check up and they're pleased with his heart, he's on a new tablet, he's been out on the allotment every day since, Chloe's got a boyfriend and won't tell me anything, Kieran's football team won the cup, and Dave's still Dave, when are you coming home? We miss you
"""

W["Tracey"] += """
Jules, you'll never guess, Wayne's only gone and proposed, in the Chinese, in front of everyone, on one knee, with a ring he got from Argos, I said yes before I could think about it, Mum cried, Jordan said it's about time, and Leah wants to be a bridesmaid in a pink dress, I can't stop smiling
"""

W["Dave 42"] += """
jules i love you, you know that, happy anniversary, 18 years and you still put up with me, table's booked at the Italian for 8, wear that blue dress
"""

W["Tracey"] += """
Wayne, I love you, I know I've been a cow lately, it's work and the kids and Mum, it's not you, let's get a bottle of wine and have a night in
"""

W["Julie"] += """
Love you too
"""

W["Dave 42"] += """
love you too
"""

W["Julie"] += """
Can you get Bonnie's worming tablets from the vet, a bag of King Edwards, some Bisto, mint sauce and a leg of lamb from the butcher's on Church Street? Your mum's coming Sunday
"""

W["Karen 48"] += """
Book club choice for next month is the new Kate Atkinson, Carol's already bought three copies from the Oxfam shop so don't buy it, she'll lend you one
"""

W["Linda"] += """
Derek, the chiropodist has moved your appointment to Wednesday at quarter past nine, and don't forget the optician on Friday, your glasses are ready, they rang
"""

W["Nan Pat"] += """
Tracey, I've got a bag of Leah's school uniform from the church jumble, two pinafores, three cardigans and a pair of black patent shoes, hardly worn, 50p the lot
"""

W["Grandad Ken"] += """
Kieran, the marrows are ready, the onions are drying in the shed and I've saved you some conkers from the big tree by the bowling green. Come Saturday.
"""

W["Dave 42"] += """
jules, skip's coming friday for the bathroom, tiles are on order from Topps, plumber says tuesday for the shower, and your dad's bringing his old tiling trowel whether we like it or not
"""

W["Margaret"] += """
Karen, the chemist has changed my water tablets to the little yellow ones, they say it's the same thing but I don't like the look of them. Should I take them?
"""

W["Tracey"] += """
Jules, Argos have got the trampoline Leah wants in the sale, £49.99, but Wayne says we've nowhere to put it, the garden's full of his old motorbike bits, I'm getting it anyway
"""

W["Linda"] += """
Derek, the hedge trimmer's in the greenhouse
"""

W["Grandad Ken"] += """
Rhubarb ready. Bring a carrier bag.
"""

W["Karen 48"] += """
Mum, your library books are overdue
"""

W["Debbie"] += """
Yeah, tell him 6
"""

W["Tracey"] += """
Yeah, ask your nan
"""
