"""What the writers aged 41 and over, and the unregistered senders, text about
(marks as in corpus_young.py)."""

W = {}

# ---------------------------------------------------------------- 41 to 60

# Julie, 45: receptionist at the dentist's, husband Dave (Dave 42), daughter
# Chloe (14), son Kieran (9), dad Ken (Grandad Ken), dog Bonnie, sister Bev in Spain.
W["Julie"] = """
Dave can you pick Chloe up from dance at 8, I'm doing Dad's shopping
Kieran's got nits again, I've done his hair and mine just in case
Just had a man faint in the waiting room, what a morning
Can you take Bonnie out when you get in, she's not been since 7
Dad's had a fall in the garden, he's ok but I'm going round
Chloe I've put credit on your phone so there's no excuse not to text
Parents evening is Thursday at 6.40, can you get off early?
Bev rang from Spain, she's coming over in May for a fortnight
Don't forget it's your mum's birthday tomorrow, I've got a card, just sign it
Tea's in the oven, Kieran's at football, I'm at Zumba with Tracey
Chloe, you were supposed to be home at 9, where are you?
The washing machine's flooded the kitchen, can you ring your mate Gaz?
Dad wants to know if you can fix his shed door this weekend
Kieran's been picked for the school play, he's a tree ~
Dave, we need to talk about Chloe and this Tyler lad
Got the Christmas bonus, £150, we can get the telly
I've booked the caravan at Filey for the last week of August
Chloe's got a B in maths!! First time ever
Bonnie has eaten a whole packet of butter off the side ^
Dave you've left the immersion on all day again
Dentist wants me to do Saturdays now, I said no
Dad's hearing aid is whistling again, can you have a look on Sunday
Can you get bread, milk and something for Kieran's packed lunch
Chloe if you're not at the gate in 5 minutes I'm going home without you
Going to Tracey's for a glass of wine, back by 10
Kieran says thank you Grandad for the football, he's not put it down
Well done love, knew you'd do it. Chippy tea tonight to celebrate
Dad, the doctor's appointment is at 10.20 Tuesday, I'll pick you up at 10
Dave the car's on the red light, is that bad?
Chloe's been crying all night about that boy, go easy on her
The tumble dryer's making a noise like a jet engine
Thank you for the flowers love, they're beautiful. Still cross with you though ~
Kieran's lost his PE kit, it's the 3rd one this term
Dave ring me, it's about Dad
Dad's got to go in for his knee op on the 14th
Mum would have been 70 today. Thinking of you Dad
Bev's flight lands at 4, can you get her from the airport?
Chloe's first disco tonight, Dave is already pacing ~
Working late, the computer's crashed and we've lost all the appointments
Bonnie's been to the groomer, she looks like a poodle ~
"""

# Karen, 48: deputy head at a primary school, husband Alan, children Hannah
# (19, at university in Bristol) and Sam (16), mum Margaret, aunt Jean, book
# club with Angela and Carol.
W["Karen 48"] = """
Alan, Ofsted are in tomorrow so I'll be late. There's a lasagne in the freezer.
Hannah, did you get the parcel? I sent your winter coat and some teabags.
Angela, book club is at mine on Thursday. Have you finished it? I hated the ending.
Sam, you need to be home by 11. I mean it.
Mum, I'll pick you up at 10 for the hospital. Have your card ready.
What a day. Two fire alarms, a broken window and a nit outbreak in Year 2.
Alan, can you ring the garage about the MOT? I haven't had a minute.
Hannah rang, she's coming home for reading week. Clear your stuff off her bed Sam.
Carol, are you still coming to the theatre on the 12th? I've got the tickets.
Sam's got a girlfriend. Don't say anything, he'll die of embarrassment.
Auntie Jean has had her cataract done, she says she can see the dust now.
Alan the plumber is coming between 8 and 12, can you work from home?
Just finished the reports for Year 6. 54 of them. Large glass of wine required.
Mum's fine, they're keeping her in overnight just to be safe.
Hannah, have you registered with a doctor down there yet? Please do it this week.
Angela, fancy a walk round the reservoir on Sunday? I need to get out.
Sam, the school rang. Where were you this afternoon?
Alan, don't forget Sam's parents evening at 6. I'm at my own till 7.
Happy anniversary love. 22 years! Table booked at the Italian for 8.
Sam passed his driving test!!! First time! Heaven help us all.
Mum wants you to look at her television, she's lost BBC1 again.
Carol, thanks for last night. We must do it more often.
Our head has resigned. I'm acting head from January. Terrified.
Hannah's got a 2:1 in her first year exams. So proud.
Book club: next one is The Lovely Bones. Bring tissues apparently.
Is Sam with you? He's not answering his phone.
The car's done it again, I'm at the side of the A61. Can you come?
Alan, I've left the oven on, can you nip home?
Sports day is cancelled, rain. 300 children in the hall with wet feet.
Mum, Jean says she'll come with us on Saturday if we go to the garden centre.
"""

# Tracey, 42: cleaner, partner Wayne, son Jordan (14), daughter Leah (7),
# mum is Nan Pat, friend Julie (Zumba).
W["Tracey"] = """
Jordan where are you, your tea is on the table
mum can you have Leah after school tomorrow, I'm doing an extra house
Wayne's got the sack again. I could cry
Can you pick up some bread on the way back. Tea will be ready at half 5
Got some new boots in the sale, only £15, bargain
Jordan your Nan says you were rude to her, you better ring her and say sorry
Leah's lost another tooth, she's got more money than me ~
Julie are we still going Zumba tonight, I need to sweat off that pizza
Mum, Wayne's fixed your gate, he'll do the fence when he's got the wood
One of my ladies has left me a tin of biscuits and £20 for Christmas, bless her
Jordan, if you've had friends round you can tidy up after them
Leah's off school with a temperature, mum can you sit with her while I go to work
Wayne's got an interview at the warehouse on Monday, fingers crossed
Can't believe the price of school shoes, £30 for Leah's and she'll grow out of them in a month
Mum the doctor says your tablets are ready to collect
Jordan's coach rang, he's been picked for the county ^ sorry, I mean it's brilliant, typing with my thumb
Wayne got the job!!! Starts Monday
Julie you're a star, thanks for having Leah
Leah wants to be a vet, Jordan says she can't even look after a goldfish ~
I'm shattered, 4 houses today and one had a Rottweiler
Jordan, bed. Now.
Mum I'm doing a chilli tonight, come round if you want
"""

# Linda, 55: works at the library, husband Derek (retired), daughter Sharon in
# Australia, grandchildren Mia and Tyler, sister Jackie.
W["Linda"] = """
Derek, I'm at the library till 7 tonight, there's soup in the fridge.
Sharon's booked her flights! They land on the 3rd of December.
Jackie, are you coming to the WI on Wednesday? It's a talk on bees.
Derek, the man is coming about the guttering at 2, don't go out.
Mia has started school. Sharon sent a photo of her in her uniform. I cried.
Our computer system at work has been down all day, we're back to the old cards.
Jackie, Mum's grave needs doing, shall we go on Sunday?
Can you ring me when you get a minute. Nothing wrong.
Derek has bought a caravan. Without asking me.
Tyler has taken his first steps! Sharon says he's into everything now.
Jackie, thank you for the jam, Derek's had half the jar already.
Derek, your prescription is ready at Boots.
We've had a lovely day at Whitby, fish and chips on the harbour.
Sharon says it's 38 degrees there. We've got frost.
The book group is reading Wolf Hall. I'm on page 40, it's heavy going.
Derek's knee has gone again, he's been told to rest it. He won't.
Can you believe it's 40 years since I started at the library?
Jackie, I've found Mum's old recipe book, come and have a look.
Derek, the hoover has broken, don't buy one without me.
Merry Christmas to you all, love Linda and Derek xx
"""

# Sue, 52: maths teacher, husband Martin, daughter Lauren (21, at uni in Leeds),
# son Ollie (17), her mum is Nanna Dot in a home; Geordie by birth.
W["Sue H"] = """
Just got home, been a long day. Early night for me pet x
Lauren, your boots are in the post, should be there Thursday. Eat some veg!
Martin, Ollie needs picking up from the rugby at 9, I've got marking
Have you had your tea? There's some stew in the freezer if you're hungry pet
Ollie, you haven't put your washing in the basket for a week, it's walking on its own
Lauren, I've put £50 in your account, don't spend it all in the union
The doctor says it's a virus, he's given me some tablets. I'll be fine pet
Visited Nanna Dot, she thought I was our Maureen but she was happy enough
Martin, the traffic's terrible on the bypass, start without me
Ollie's passed his mock exams, all Bs and an A in physics!
Lauren pet, ring your Dad, he's missing you
We've had the bathroom done, it took all weekend, Martin's not talking to the tiler
Happy birthday Ollie, 17! Where does the time go? Love Mum x
Lauren, are you coming home for Nanna Dot's 90th? It's on the 22nd
The car's failed its MOT, it needs 2 new tyres and a wiper
Martin, I've left your sandwiches on the side, you'll forget them otherwise
Lauren, of course I'll pay for the train, just let me know when
Parents evening tonight, 30 sets of parents, wish me luck
"""

# Debbie, 45: care assistant at Willow Court with Mandy, daughter Jess (15),
# son Connor (20), partner Tony, sister Lorna in Preston.
W["Debbie"] = """
jess you can stay at chloes but I want you home for dinner tomorrow
Connors car has broken down on the motorway and hes rang me, not his dad
Mandy can you cover my early on Sunday, I'll do your Friday late
Tony I'm on a double so I'll be home about 10, get the kids a chippy
Mrs Beckett passed away this morning, we're all a bit upset
Jess your room is a tip, tidy it before you go out
Connor's got a job at the airport!! Baggage handling, nights
Lorna's coming over Saturday, can you get some wine in Tony
jess I know you're upset about brandon, ring me on my break at 2
been on my feet 12 hours, if anyone rings I'm dead ~
Tony you've shrunk my work tunic again, I'll have to wear the old one
jess don't forget the bakery want you in at 8 tomorrow
Mandy they've put the rota up, we're both on Christmas Day ^
"""

# Angela, 48: pharmacist, husband Graham (Graham), book club with Karen and
# Carol, son Will at university in Durham, plays tennis.
W["Angela"] = """
Karen, I loved the ending! We'll fight about it on Thursday.
Graham, I've booked the table for 8 at the Swan. Wear the blue shirt.
Will's home for the weekend with a girl called Ruth. Be nice.
Tennis is off, the courts are flooded.
Karen, yes to the reservoir. 10 o'clock at the car park?
Graham, there's a parcel at the post office for you, the card's on the fridge.
Locum hasn't turned up so I'm doing a 12 hour day.
The Lovely Bones? I'll bring the tissues and the gin.
Will says his exams went well, which means nothing.
Graham, the dishwasher's leaking again.
"""

# Mandy, 42: care assistant with Debbie, two lads (Dylan and
# Lewis), husband Terry, friend Trish.
W["Mandy"] = """
deb yes I'll do sunday if you do friday, deal
terry's taken the lads fishing so I've got the house to myself ~
the rota is a joke, 6 days on the trot
dylan's been suspended for smoking behind the science block
trish are you coming bingo tuesday
lewis has passed his driving test, mind the pavements everyone ~
deb mrs beckett was a lovely lady, she'll be missed
terry's bought a dog without telling me. its a staffie called tyson
"""

# Jackie, 52: Linda's sister, dinner lady, husband Ray.
W["Jackie"] = """
Linda yes I'll come to the WI, bees sounds better than last month's knitting
Sunday's fine for Mum's grave. I'll bring some daffs.
Ray's been in the shed since 9, I think he lives there now ~
I'd love to see the recipe book. Is the sponge cake one in it?
"""

# Carol, 55: retired accountant, book club, goes to the theatre with Karen.
W["Carol B"] = """
Karen, the 12th is in my diary. Shall we eat before?
Thanks for a lovely evening. Your lasagne was wonderful.
"""

# Dave, 42: plasterer, Julie's husband, Chloe and Kieran's dad, Ken's
# son-in-law, mate of Gaz, supports City, five-a-side for the over 40s.
W["Dave 42"] = """
ok will get chloe at 8
on way home, do we need anything
julie I'm in the pub with gaz, back by 10
chloe you're not going to a party at a lad's house, end of
kieran tell your mum I'm going to be late, the ceiling's came down
got bonnie some more chews from pets at home
bloody van won't start, waiting for gaz to come and jump it
your dad's shed is fixed, he wants to pay me in whisky ~
julie I've got us tickets for the comedy night at the civic!!
chloe, who is this tyler?
going to watch kieran's match then going to the tip
done 3 ceilings today, my arms are dropping off
love you, sorry about this morning
the immersion was off, I checked, it's the switch that's broke
chloe I've left 10 quid on the side for the disco
"""

# Steve, 48: warehouse manager, wife Sandra, son Ryan (17), darts with Mick.
W["Steve"] = """
Ryan, the car better have petrol in it when you bring it back
Mick, darts tonight, 8 o clock at the Legion
Sandra, I'm on lates all week so don't wait up
Ryan, well done on the theory. Sunday we'll do a bit of driving on the industrial estate
Stock take till midnight. Kill me now
Sandra the man from Sky is coming Tuesday between 8 and 1
Mick, we lost 3-2, you owe me a pint for missing the double 16 ~
Ryan, your mum says if you're late again you're walking
Bought a new dartboard, don't tell Sandra how much
"""

# Mick, 55: taxi driver, darts with Steve, wife Brenda, grandson Kaden.
W["Mick"] = """
Steve, I'm on till 11 tonight, can't do darts, sorry mate
Brenda, I'm in town with a fare to the airport, back about 6
Just had a hen party in the back, I need a lie down ~
Kaden's coming for the weekend, can you get some fish fingers in
Steve, we're in the final next Friday, get practising
Car's in for a service so I'm off today, fancy a pint?
"""

# Pete, 45: secondary school teacher, cycling, wife Liz.
W["Pete W"] = """
Liz, marking mocks all evening, don't wait for me.
Great ride this morning, 40 miles and only one puncture.
Year 11 parents evening till 8. Save me something.
"""

# Ian, 52: engineer, plays golf with Graham.
W["Ian"] = """
Graham, tee time is 8.10 on Saturday. Bring your waterproofs.
Shot 87 today, best of the season.
"""

# Graham, 48: Angela's husband, golf with Ian.
W["Graham"] = """
Ian, I'll be there. Angela's got me painting the fence in the afternoon though.
"""

# ---------------------------------------------------------------- 61 and over

# Nan Pat, 67: Tracey's mum, husband Ron (Grandad Ron), grandchildren Jordan
# and Leah, bingo on Thursdays, Blackpool every summer.
W["Nan Pat"] = """
Hello love, Grandad says thank you for the card. He's had a lovely day. Love Nan x
Jordan, well done on your match. Grandad says he always knew you had it in you x
Tracey can you bring me some milk when you come, I can't get out with my hip
Hello love, are you coming for your tea on Sunday? I'm doing a roast
Leah, thank you for the picture, it's on the fridge. Love Nan x
Ron's gone to the bowls club, I've got the place to myself
Bingo tonight! Wish me luck. I've got my lucky pen
Tracey, Jordan was very rude to me today, I'm telling you so you know
Jordan said sorry, bless him. He's a good boy really
Won £25 at bingo!!! Treat on me Saturday
Going to Blackpool with the over 60s on the 10th, 3 nights at the Norbreck
It's very cold here, are you all keeping warm
Ron's had his flu jab and now he says he's got flu
Thank you for fixing the gate Wayne, you're a good lad
Tracey, have you got the tablets? I'm nearly out
Leah, Nan's got you a little something for your tooth
We are home now. Lovely time in Blackpool, Ron won on the bingo
Can someone come and look at this phone, it keeps making a noise
I can't work out how to do the question mark so I'm not asking you anything ~
Happy birthday Jordan, 14! There's a little something in the card. Love Nan and Grandad x
Tracey, is Wayne alright for Christmas dinner at ours?
Ron's been to the doctor, it's just his chest again
Lol to all of you, Nan x
"""

# Margaret, 70: widow (Frank), daughter Karen, sister Jean, grandchildren
# Hannah and Sam, goes to church and the lunch club.
W["Margaret"] = """
Karen, thank you for taking me to the hospital today. Love Mum.
Jean, I'll come on Saturday. Wrap up, it's bitter out.
Karen, my television has gone fuzzy again. No rush. Mum
Hannah, I hope you are eating properly. Grandma x
Sam, congratulations on passing your test. Drive carefully. Grandma x
Lunch club was lovely, we had fish pie and a quiz.
Karen, I have lost my glasses again, are they in your car?
Jean, it was lovely to see you. Give my regards to Bill.
Karen, the doctor says my blood pressure is better.
It would have been our 50th today. I went to see Frank.
Karen, I've put a cheque in the post for Sam's birthday.
Jean, did you see the programme about Venice? We must go one day.
"""

# Auntie Jean, 67: Margaret's sister, husband Bill, Karen's aunt.
W["Auntie Jean"] = """
Karen love, the eye is healing well. I can see every cobweb in the house!
Margaret, Saturday is fine. Bill will drive.
Thank you for the flowers dear. They are on the windowsill.
Karen, tell Sam well done from Auntie Jean and Uncle Bill.
Bill's back is bad again. He will lift things.
"""

# Grandad Ken, 70: Julie's dad, widower (Joan), grandchildren Chloe and
# Kieran, allotment, bowls, writes in capitals now and then.
W["Grandad Ken"] = """
JULIE HAVE YOU GOT MY SPARE KEY
Thanks for my card. It made me laugh. Love Dad.
Kieran, well done on your football. Grandad.
Julie, I have got too many runner beans again. Come and take some.
Dave, thank you for the shed. Whisky is in the cupboard.
I AM AT THE DOCTORS WILL RING LATER
Julie, the man says the boiler needs a new part. Ken.
Chloe, your Grandad is very proud of you. Keep it up.
Bowls was cancelled. Rain.
Julie, 10.20 Tuesday is fine. I will be ready.
Julie, I have had a little fall. I am fine. Don't worry.
HOW DO I STOP THE PHONE BEEPING
Thinking of your mum today. She would be proud of you all. Dad
Chloe, happy birthday. There is something in the card. Love Grandad.
Julie, my hearing aid is whistling.
Got a prize for my onions at the show. Second.
Julie, can you bring some of that soup you made.
Kieran, I have found an old football annual for you.
"""

# ---------------------------------------------------------------- not in the register

W["Kerry"] = """
jade its kerry, mum says r u coming to nans sunday
omg i heard about reece, u ok hun?
cant believe u got magaluf booked, im so jealous
"""

W["Shaz"] = """
jade im in the taxi, be there in 10
i got my straighteners, ta babe
magaluf!!! 21 days to go
"""

W["Big Al"] = """
Gaz, feathers 8, your round ~
Darts team needs a sub Thursday, you in?
"""

W["Becca"] = """
party at mine sat from 8, bring a bottle
jade i'll give u the fiver friday, promise
"""

W["Lou"] = """
Running late, get me a coffee
"""

W["Trish"] = """
mandy yes to bingo, I'll pick you up at 7
terry's bought a dog? what did you say?
"""

W["Jay"] = """
vicky im working in Leeds till thurs, give mason a kiss from me
"""

W["Dazza"] = """
gaz u got my jump leads
"""

W["Tariq"] = """
Curry's on, bring beers
"""

# ---------------------------------------------------------------- longer ones

W["Julie"] += """
Dave, I've just had Chloe's form teacher on the phone, she's been caught with a cigarette behind the science block, I'm so angry I could spit, you deal with her tonight
Dad, I'm going to do your big shop on Friday, write me a list and put it by the kettle, and no more of those custard creams, the doctor said
Tracey, thanks for tonight, I needed a laugh, Dave says I came in singing, I don't remember singing, I remember the wine ~
Chloe, I know you think I'm being unfair but you're 14 and you're not going to a party in town till midnight, end of discussion, love Mum
Dave, Dad's had a phone call from Mrs Hughes, she's asked him to the tea dance, he's gone all shy ~ don't tease him
Scrap that, Dad doesn't need picking up, Mrs Hughes is taking him in her car ~
"""

W["Karen 48"] += """
Alan, Sam's been caught drinking in the park with his friends. The police brought him home. I'm too upset to talk about it. Please come home.
Angela, change of plan for book club, Carol's got the builders in so it's at yours if that's ok? I'll bring the wine and the biscuits.
Hannah, your dad says you're thinking of going to Thailand with your friends in the summer. Can we talk about it before you book anything, please.
Mum, I've booked the taxi for Sunday so you don't have to wait for the bus. It's all paid for. Just give him the address of the church.
"""

W["Tracey"] += """
Mum, I'm not arguing with you about Christmas again, we'll come to you for dinner and Wayne's mum can come for tea, that's fair
Jordan, I've just seen your school report and I'm not happy, we'll talk about it tonight, no PlayStation till then and I mean it
Wayne, you've left the van in front of Mrs Patel's drive again, she's been round and she was not happy, move it when you get in
Julie, Zumba tomorrow is at the church hall not the school, the teacher's text me, she says bring water because it's going to be a hard one ^
"""

W["Linda"] += """
Derek, please don't go on the ladder while I'm out. I know you think you're 30 but your knee doesn't. The gutter can wait until Saturday when Jackie's Ray can help.
Jackie, I've spoken to Sharon and she says the children would love to see us at Easter. I'm thinking about going. Would you come with me? Derek won't fly.
Sharon, we have had your parcel, thank you. The tea towel with the kangaroo is lovely and Derek is wearing the hat in the garden. Love Mum xx
Derek, I've been called in for an extra shift, the new girl has let them down. There's a pie in the fridge, 40 minutes at 180.
"""

W["Sue H"] += """
Lauren pet, I've been thinking about what you said about changing course, we'll support you whatever you decide, but talk to your tutor first and ring me at the weekend x
Martin, Ollie's just told me he wants to join the army. I nearly dropped the kettle. You need to talk to him tonight, I can't.
"""

W["Debbie"] += """
Tony I've had enough, you said you'd fix the shower 3 weeks ago, I'm ringing a plumber tomorrow and you can pay for it
Mandy, I've spoken to the manager about the rota, she says it's the agency's fault and she'll change it, so we might get Christmas Day off after all
Connor, I'm proud of you love, your first wage, but you are paying me board from now on, £30 a week, that's still cheap
"""

W["Angela"] += """
Graham, Will has rung. He's bringing Ruth for Christmas. I've said yes. Please be nice and don't ask her what her father does.
Karen, yes of course, book club at ours is fine. Graham will hide in the study. I'll do a lasagne if you bring a pudding.
"""

W["Mandy"] += """
trish, you will never guess, terry's dog has eaten the remote control and a sock, we've had to take him to the vets, £90 ~
deb I've been told I'm on nights next week as well, that's 3 weeks in a row, I'm going to see the manager tomorrow, are you coming with me?
"""

W["Jackie"] += """
Linda, yes I'd love to come to Australia with you. I'll have to talk Ray round but he'll be fine with his shed. When are you thinking of going?
Ray says thank you for the birthday card. He's 60 and he still thinks he's 25. He's bought a motorbike. I'm not getting on it.
"""

W["Carol B"] += """
Karen, just to let you know that the builders have finished at last. The kitchen looks wonderful. Come and see it, bring Angela.
Angela, I'm so sorry I missed book club, I had a terrible migraine. Did you decide on the next book? I'll buy it tomorrow.
"""

W["Dave 42"] += """
julie I've told chloe she's grounded for 2 weeks and no phone, she's slammed the door so hard the picture fell off the wall, where's the hammer
gaz can u pick me up at 7, the van's in the garage and I've got to be at the job by half 7, I'll buy the bacon butties
your dad has asked me what to wear for the tea dance ~ I told him his best shirt and not the one with the gravy on
julie I've been thinking about the holiday, why don't we take your dad to filey with us, he'd love it and he's been a bit down
kieran, don't forget your football boots are in the garage, not in the car, and tell your mum I'll be late
julie I'm sorry love, I shouldn't have said that about your sister, I was tired and fed up, let me take you out for tea on friday
"""

W["Steve"] += """
Sandra, I'm going to be late tonight, the lorry's broken down on the M1 and we're waiting for the stock, there's no point waiting for me for tea
Ryan, I've had a word with Darren's dad and you can have the Saturday job at the garage if you want it, but you've got to be there at 8 sharp
Mick, darts is moved to Wednesday this week because of the quiz night, tell Brenda you'll be back by 11, I'll drive
Sandra, the car insurance has come through, it's gone up by £200 because of Ryan, I'm going to have a word with him
"""

W["Mick"] += """
Brenda, I've just seen our Kaden at the bus station with his mates, he was meant to be at school, I'll have a word with him tonight
Steve, that lad of yours drives better than you ~ I saw him on the bypass doing 30 with his hands at 10 to 2
Brenda, I'm doing a long one to Manchester airport and back, won't be home till 10, don't wait up, there's money for the window cleaner in the drawer
"""

W["Pete W"] += """
Liz, the Year 10 trip to the coast has been cancelled because of the weather, so I'll be home for tea after all. Shall I get fish and chips?
I've been asked to be head of year from September. More money, more meetings, more parents. I said I'd think about it.
Liz, I've had a puncture on the moor road and I've used my spare, can you come and get me? I'm by the reservoir car park.
"""

W["Ian"] += """
Graham, the club has put the subs up again, £450 this year, I'm going to have a word at the AGM, are you coming?
"""

W["Nan Pat"] += """
Tracey love, Ron says thank you for the fish and chips on Friday, he hasn't stopped talking about them. Can you bring Leah round on Sunday, I've got her a colouring book x
Jordan, your Nan has got you some new football socks from the market, they're blue and white like your team, come and get them after school love x
Hello love, I'm in the queue at the post office and it's going right round the corner, I'll be late for bingo, save me a seat next to Doreen
Tracey, your Dad is not well again, his chest is bad and he won't go to the doctor, will you have a word with him, he listens to you
Leah, Nan has made you a cake for your birthday, it's pink with sprinkles, Grandad wanted to eat it but I told him no x
"""

W["Margaret"] += """
Karen, I have been to the doctor and he says I need to have some more tests, nothing to worry about. I will tell you on Sunday. Love Mum.
Hannah, thank you for the lovely postcard from Bristol. I have put it on the mantelpiece next to your graduation photo. Grandma x
Jean, Karen says she will drive us to the garden centre on Saturday. We can have lunch there. I will pay this time, you paid last time.
"""

W["Auntie Jean"] += """
Margaret, Bill has had his hospital letter, it's the 3rd of next month. I will come with you on Sunday but I might be a bit late.
"""

W["Grandad Ken"] += """
Julie, Mrs Hughes has asked me to the tea dance on Saturday. I have said yes. Your mother would have laughed. Dad.
Dave, the tap in the kitchen is dripping again. Can you come round when you have a minute. I will put the kettle on.
Julie, thank you for the shopping. You forgot the custard creams. I know what the doctor said. Dad.
Chloe, your mum tells me you are in trouble at school. Be a good girl for your Grandad. Love Grandad.
"""

W["Kerry"] += """
jade mum says she's doing the beef and can u bring the trifle, and ur nan wants to know if u r still going out with that reece
"""

W["Becca"] += """
jade im so sorry about telling everyone, i was drunk and it just came out, i'll buy u a drink on sat to say sorry, dont be mad
"""

W["Jay"] += """
vicky sorry babe the job's been extended, im not back till friday now, i'll make it up to u i promise, tell mason daddy loves him
"""

W["Trish"] += """
mandy, terry's dog sounds a right handful, bring him to bingo and he can eat the losing tickets
"""

W["Julie"] += """
Dave can u pick up my dad at 2 and take him to the doctors, I'm stuck at work and he won't go on his own, he says he's fine but he's not, ring me when u get there x
Chloe I've put ur tea in the oven, it's pizza and chips, Kieran's at his mate's and I'm at Zumba till 8, dad will be home at 6, be good and do ur homework x
"""
W["Karen 48"] += """
Alan I'm at Mum's, she's had a bit of a fall, she's fine but I'm going to stay with her tonight, can you make sure Sam eats something and goes to bed at a decent time x
"""
W["Tracey"] += """
Mum I'll be round at 4 to take u to the shop, get ur list ready and ur coat on, and don't forget ur tablets this time, u left them on the side last week x
Jordan I'm at work till 6, there's a pizza in the freezer, put it in at 5 and share it with Leah, and if u go out tell me where u r and be back by 8
"""
W["Linda"] += """
Jackie I'm going to be at yours about 2, I'll bring the cake and the cards, can you get some milk in, Derek drank the last of it and didn't tell me as usual x
"""
W["Nan Pat"] += """
Tracey love I've been to the doctor and he says my hip is getting worse, I've got to go to the hospital on the 10th, can u come with me, Ron can't drive that far now x
Hello love, just to let you know we got home ok, the bus was late but we got a seat, Ron fell asleep and snored all the way, everyone was looking ~ love Nan x
"""
W["Grandad Ken"] += """
Julie I have been to the allotment and the shed has been broken into again. They took my fork and my radio. I have told the police. Don't worry. Dad
"""
W["Sue H"] += """
Lauren pet I've just got in from work and found ur letter from the uni on the mat, do u want me to open it or send it on? It looks important x
"""
W["Debbie"] += """
jess I'm on a late tonight so ur tea is in the fridge, just heat it up for 3 mins, and tell Connor he's to wash up, I'm not coming home to a mess again x
"""
W["Mandy"] += """
deb can u swap with me on tues, terry's got a hospital appt for his knee and I need to take him, he can't drive with it, I'll do ur sat for u if u want x
"""

W["Dave 42"] += """
julie I'm at the tip with your dad's old sofa, he's followed me in his car to make sure I don't take it to the wrong bit, he's telling the bloke how to do his job ~
chloe I'm outside in the van, come out now or I'm going home, I've been here 10 mins and I'm not coming in to get you, your mum says tea is in 20 mins
"""

W["Steve"] += """
Ryan I'm not paying for the car if u get a ticket, it's ur job to put the money in the meter, u r 17 not 7, and bring my sat nav back, it's not urs
"""

W["Mick"] += """
Brenda I've got a fare to the races so I'll be late, there's a pie in the freezer for our Kaden, he can have it with chips, tell him I'll take him to the match on sat
"""

# ---------------------------------------------------------------- quick ones

W["Julie"] += """
On my way, 10 mins
Kieran's at Josh's, pick him up at 7
Dad's fine, false alarm
Tea's at 6, don't be late
Running late, start without me
"""
W["Karen 48"] += """
In a meeting, will ring at 4.
Sam's home. Panic over.
Mum's fine, just tired.
Book club cancelled, Angela's ill.
"""
W["Tracey"] += """
Jordan ring me now
Leah's asleep on the sofa ~
Wayne's doing tea tonight, god help us
Can't talk, at Mrs Patel's
"""
W["Linda"] += """
Derek, I'm on the bus.
Lovely, see you Sunday.
Sharon rang, all well.
"""
W["Sue H"] += """
Home by 6 pet
Ollie, bins please!
"""
W["Debbie"] += """
on my break, ring me
jess where are you??
"""
W["Dave 42"] += """
in the van, 5 mins
kieran's match is off, rain
chloe, home NOW
got the chippy, what do u want
"""
W["Steve"] += """
Darts cancelled, Legion's flooded
Ryan, ring your mother
"""
W["Nan Pat"] += """
Ron's home from the hospital, all fine x
Bingo was rubbish, won nothing
Tracey, bring the Hoover back love
"""
W["Grandad Ken"] += """
Runner beans ready. Come Sunday.
HAVE YOU GOT MY GLASSES
Bowls Saturday. Dad.
"""
W["Margaret"] += """
Karen, I'm home now. Mum.
Jean, bring your brolly.
"""
W["Mick"] += """
Airport run, back at 6
"""
W["Angela"] += """
Tennis is back on! 7 tonight.
"""

W["Julie"] += """
Dave I've just had a letter from the school about Kieran, he's been kicking a ball at the windows at dinner time with his mates, one of them has cracked, they want us to go in on Monday and see the head, can you get the morning off? I can't believe him
Chloe I'm not cross about the phone, I'm cross that you lied to me about where you were, you said you were at Paige's and you were in town with that Tyler, we'll talk about it when I get home, and don't go out
"""
W["Karen 48"] += """
"""
W["Tracey"] += """
Mum, I've spoken to Wayne and he says he'll take you to the hospital on the 10th in the van, he's booked the morning off work, so you don't need to worry about the bus or a taxi, I'll come as well and we can get a cup of tea after
"""
W["Linda"] += """
Derek, I've had a call from Sharon, they're coming for Christmas after all! All four of them, for three weeks. We'll have to sort the back bedroom out and get a cot for Tyler. I'm so excited I can't think straight.
"""
W["Nan Pat"] += """
Tracey love, I've been to see the doctor about Ron's chest and he's given him some new tablets and says he's got to stop smoking, so if he asks you for any cigarettes when he comes round you tell him no, he's a naughty old man x
"""
